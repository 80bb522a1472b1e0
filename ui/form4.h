#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QTimer;

namespace vortalin::ui {

class Application;

// The splash window: frameless, it draws its own rectangle. Its timer ends
// it once and opens the options dialog.
class Form4 : public QWidget {
public:
    explicit Form4(Application& app);

    // Handlers.
    void Form_Load();
    void Timer1_Timer();

    QTimer* Timer1 = nullptr;
    QLabel* Image1 = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;

private:
    void buildControls();

    Application& m_app;
};

// The banner stretched into an image box of the catalogue.
QLabel* bannerImage(QWidget* parent, const QRect& place);

} // namespace vortalin::ui
