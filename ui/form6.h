#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace vortalin::ui {

// The about box. Modeless beside the main window; closing it only hides it,
// and it keeps the place the player moved it to.
class Form6 : public QWidget {
public:
    Form6();

    // Shows the box, or brings it to the front; centred only the first time.
    void open();

    // Handlers.
    void Form_Load();
    void Command1_Click();

    QPushButton* Command1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;

private:
    void buildControls();

    bool m_loaded = false;
};

} // namespace vortalin::ui
