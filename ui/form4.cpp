#include "form4.h"

#include "centring.h"

#include "application.h"
#include "fonts.h"
#include "form1.h"
#include "pictures.h"
#include "twips.h"

#include "assets/artwork.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

namespace vortalin::ui {

namespace {

// The banner shrunk into its box from the picture painted for the screen:
// at 100 % the one it always was, above it a finer one, so that it stays
// crisp. It follows the window to a screen of another ratio.
class BannerImage : public QLabel {
public:
    explicit BannerImage(QWidget* parent) : QLabel(parent) {
        setScaledContents(true);
        followScreen();
    }

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show)
            followScreen();
        return QLabel::event(event);
    }

private:
    void followScreen() {
        const double scale = paintedScaleFor(devicePixelRatioF());
        if (scale == m_scale)
            return;
        m_scale = scale;
        setPixmap(QPixmap::fromImage(art::banner(scale)));
    }

    double m_scale = 0;
};

} // namespace

QLabel* bannerImage(QWidget* parent, const QRect& place) {
    auto* image = new BannerImage(parent);
    image->setGeometry(place);
    return image;
}

Form4::Form4(Application& app)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), m_app(app) {
    setWindowTitle(QStringLiteral("Form4"));
    setFont(dialogFont());
    setFixedSize(sizeFromTwips(5415, 4470));
    buildControls();
    Timer1 = new QTimer(this);
    Timer1->setInterval(1500);
    connect(Timer1, &QTimer::timeout, this, &Form4::Timer1_Timer);
    Form_Load();
    Timer1->start(); // runs from creation
}

void Form4::buildControls() {
    // The rectangle first, so everything else lies above it.
    Shape1 = new QFrame(this);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setGeometry(rectFromTwips(105, 120, 5190, 4200));
    Image1 = bannerImage(this, rectFromTwips(705, 2355, 3870, 825));
    Label3 = new QLabel(QStringLiteral("Knowing the gravity is the power"), this);
    Label3->setFont(catalogueFont(QStringLiteral("Lucida Handwriting"), 9.75, true));
    Label3->setGeometry(rectFromTwips(570, 1470, 4590, 480));
    Label2 = new QLabel(QStringLiteral("Vortalin team"), this);
    Label2->setFont(catalogueFont(QStringLiteral("Arial"), 8.25, false));
    Label2->setGeometry(rectFromTwips(1950, 3600, 1305, 315));
    Label1 = new QLabel(QStringLiteral("Vortalin"), this);
    Label1->setFont(catalogueFont(QStringLiteral("Times New Roman"), 48, true));
    Label1->setGeometry(rectFromTwips(885, 270, 4155, 945));
}

void Form4::Form_Load() {
    centreOnScreen(*this);
}

void Form4::Timer1_Timer() {
    Timer1->stop(); // once only
    hide();
    m_app.form1().open();
}

} // namespace vortalin::ui
