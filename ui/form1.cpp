#include "form1.h"

#include "arrangement.h"
#include "centring.h"
#include "firstfocus.h"
#include "windowopening.h"

#include "application.h"
#include "fonts.h"
#include "form2.h"
#include "form4.h"
#include "game/textnumber.h"
#include "scrollbar.h"
#include "twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vortalin::ui {

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(text);
}

QCheckBox* tickedBox(const QString& caption, QWidget* parent, const QRect& place) {
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(place);
    box->setChecked(true);
    return box;
}

QScrollBar* bar(QWidget* parent, const QRect& place, int min, int max, int small, int large) {
    auto* scroll = new ScrollBar(Qt::Horizontal, parent);
    scroll->setGeometry(place);
    scroll->setRange(min, max);
    scroll->setSingleStep(small);
    scroll->setPageStep(large);
    scroll->setFocusPolicy(Qt::StrongFocus);
    return scroll;
}

} // namespace

Form1::Form1(Application& app, SpeedClock clock) : m_app(app), m_clock(std::move(clock)) {
    setWindowTitle(QStringLiteral("Vortalin - Settaggio Opzioni"));
    setFont(dialogFont());
    setFixedSize(sizeFromTwips(7335, 4230));
    buildControls();
    buildNarrowArrangement();
    connectHandlers();
}

void Form1::buildControls() {
    Label1 = new QLabel(QStringLiteral("N° Pianeti (1 - 10)"), this);
    Label1->setGeometry(rectFromTwips(525, 210, 1395, 225));
    HScroll1 = bar(this, rectFromTwips(2340, 210, 3705, 210), 1, 10, 1, 1);
    Label2 = new QLabel(QStringLiteral("Label2"), this);
    Label2->setGeometry(rectFromTwips(6540, 225, 645, 240));
    buildChecks();
    buildSpeedControls();
    Command2 = new QPushButton(QStringLiteral("Esci"), this);
    Command2->setGeometry(rectFromTwips(3690, 3570, 3615, 525));
    Command1 = new QPushButton(QStringLiteral("Fatto"), this);
    Command1->setGeometry(rectFromTwips(45, 3570, 3615, 525));

    setTabOrder(HScroll1, Check1);
    setTabOrder(Check1, Check2);
    setTabOrder(Check2, Check3);
    setTabOrder(Check3, Check4);
    setTabOrder(Check4, HScroll2);
    setTabOrder(HScroll2, Command2);
    setTabOrder(Command2, Command1);
}

// On a phone held upright: the planets' label above its bar, the frame with
// the four boxes, the speed controls below it as they stand beside it, and
// "Fatto" above "Esci".
void Form1::buildNarrowArrangement() {
    // The speed group keeps its own layout, moved under the frame.
    const auto speed = [](double left, double top, double width, double height) {
        return rectFromTwips(left - 2850, top + 2460, width, height);
    };
    new Arrangement(*this, sizeFromTwips(5400, 5925),
                    {
                        {Label1, rectFromTwips(225, 210, 1395, 225)},
                        {HScroll1, rectFromTwips(225, 525, 3705, 210)},
                        {Label2, rectFromTwips(4425, 540, 645, 240)},
                        {Frame1, rectFromTwips(225, 960, 2565, 2160)},
                        {Check1, rectFromTwips(495, 1245, 1650, 360)},
                        {Check2, rectFromTwips(480, 1695, 2175, 330)},
                        {HScroll2, speed(3075, 1545, 3315, 225)},
                        {Label3[0], speed(3630, 900, 2310, 225)},
                        {Label4, speed(6570, 1575, 435, 255)},
                        {Label5, speed(4080, 2310, 1860, 285)},
                        {Check5, speed(3120, 1980, 3075, 255)},
                        {Label3[1], speed(3600, 1215, 1875, 225)},
                        {Command1, rectFromTwips(900, 4650, 3615, 525)},
                        {Command2, rectFromTwips(900, 5265, 3615, 525)},
                    });
}

void Form1::buildChecks() {
    Frame1 = new QGroupBox(QStringLiteral("Opzioni generali"), this);
    Frame1->setGeometry(rectFromTwips(225, 675, 2565, 2160));
    Check3 =
        tickedBox(QStringLiteral("Pianeti Giganti"), Frame1, rectFromTwips(255, 1200, 2085, 255));
    Check4 = tickedBox(QStringLiteral("Supernove"), Frame1, rectFromTwips(240, 1620, 1605, 300));
    // The window's own boxes lie over the frame: created after it, drawn above.
    Check1 = tickedBox(QStringLiteral("Buchi neri"), this, rectFromTwips(495, 960, 1650, 360));
    Check2 = tickedBox(QStringLiteral("Corpi con gravità positiva"), this,
                       rectFromTwips(480, 1410, 2175, 330));
}

void Form1::buildSpeedControls() {
    HScroll2 = bar(this, rectFromTwips(3075, 1545, 3315, 225), 10, 6000, 10, 20);
    HScroll2->setValue(200);
    Label3[0] = new QLabel(QStringLiteral("Velocità di animazione (1 - 600)"), this);
    Label3[0]->setGeometry(rectFromTwips(3630, 900, 2310, 225));
    Label4 = new QLabel(QStringLiteral("Label4"), this);
    Label4->setGeometry(rectFromTwips(6570, 1575, 435, 255));
    Label5 = new QLabel(QStringLiteral("Label5"), this);
    Label5->setGeometry(rectFromTwips(4080, 2310, 1860, 285));
    Label5->hide(); // never shown
    Check5 = new QCheckBox(QStringLiteral("Automatico"), this);
    Check5->setGeometry(rectFromTwips(3120, 1980, 3075, 255));
    Check5->hide(); // never shown
    Label3[1] = new QLabel(QStringLiteral("1 = veloce ;  600 = lento"), this);
    Label3[1]->setGeometry(rectFromTwips(3600, 1215, 1875, 225));
}

void Form1::connectHandlers() {
    // valueChanged fires inside setValue only when the value changes, as the
    // change handlers expect.
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
}

void Form1::open() {
    focusFirstControl(*HScroll1);
    openWindow(*this, m_loaded, [this] { Form_Load(); });
}

void Form1::Form_Load() {
    const std::int32_t speed = calibrateSpeed(m_clock);
    HScroll1->setValue(6);
    Label2->setText(QStringLiteral("6"));
    HScroll2->setValue(int(speed * 10)); // speed is at most 600, so this fits
    Label4->setText(qText(numberToText(speed)));
    centreOnScreen(*this);
}

void Form1::HScroll1_Change() {
    Label2->setText(qText(numberToText(HScroll1->value())));
}

void Form1::HScroll2_Change() {
    Label4->setText(qText(numberToText(animationValue(HScroll2->value()))));
}

void Form1::storeOptions() {
    GameOptions& options = m_app.state().options;
    options[Option::planetCount] = HScroll1->value();
    options[Option::blackHoles] = Check1->isChecked() ? 1 : 0;
    options[Option::repulsiveBodies] = Check2->isChecked() ? 1 : 0;
    options[Option::giantPlanets] = Check3->isChecked() ? 1 : 0;
    options[Option::supernovae] = Check4->isChecked() ? 1 : 0;
    options[Option::animationDelay] = animationValue(HScroll2->value());
}

void Form1::Command1_Click() {
    storeOptions();
    hide();
    Form2& board = m_app.form2();
    if (m_boardShown) {
        board.setVisible(true); // maximised as before
    } else {
        m_boardShown = true;
        board.showMaximized(); // the board spans the screen
    }
    board.activateWindow();
    board.mappa_Click();
}

void Form1::Command2_Click() {
    m_app.quit();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    m_app.quit();
}

} // namespace vortalin::ui
