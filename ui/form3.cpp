#include "form3.h"

#include "centring.h"
#include "firstfocus.h"

#include "fonts.h"
#include "scrollbar.h"
#include "twips.h"
#include "windowopening.h"

#include "game/constants.h"
#include "game/flight.h"
#include "game/match.h"
#include "game/textnumber.h"
#include "game/texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

#include <cmath>

namespace vortalin::ui {

namespace {

constexpr double needleTwips = 450;

// The angle bar and the angle box's leave handler stop at 359, yet "Spara"
// takes up to a full turn: a 360 that reaches the button flies.
constexpr int angleBarMaximum = 359;
constexpr double angleMaximum = 360;
constexpr int forceMinimum = 100;
constexpr int forceMaximum = 13000;

double numberIn(const QLineEdit* box) {
    return textToNumber(box->text().toStdString());
}

void setNumber(QLineEdit* box, long long value) {
    box->setText(QString::fromStdString(numberToText(value)));
}

// A number as a bar's value: halves to the even neighbour. Anything the bar
// cannot hold (out of range, infinite, not a number) ends at its nearer end.
void setBar(QScrollBar* bar, double number) {
    const double rounded = roundHalfEven(number);
    if (!(rounded >= bar->minimum()))
        bar->setValue(bar->minimum());
    else if (rounded > bar->maximum())
        bar->setValue(bar->maximum());
    else
        bar->setValue(int(rounded));
}

QScrollBar* scrollBar(Qt::Orientation orientation, int min, int max, int largeChange,
                      QWidget* parent) {
    auto* bar = new ScrollBar(orientation, parent);
    bar->setRange(min, max);
    bar->setSingleStep(1);
    bar->setPageStep(largeChange);
    bar->setValue(min);
    bar->setTracking(true); // the box follows a dragged thumb
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

} // namespace

Form3::Form3(Game& game, MainWindow& mainWindow)
    : QWidget(nullptr, Qt::Dialog), m_game(game), m_mainWindow(mainWindow) {
    setWindowTitle(QStringLiteral("Vortalin - Fuoco"));
    setFixedSize(sizeFromTwips(4680, 3195));
    setFont(dialogFont()); // the face the boxes were laid out for
    buildControls();
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &Form3::focusWindowChanged);
}

void Form3::buildControls() {
    Shape1 = new AimDial(this, QRectF(3015, 120, 1365, 915), Line1);
    Text1 = new QLineEdit(this);
    Text1->setGeometry(rectFromTwips(1785, 210, 615, 315));
    Text2 = new QLineEdit(this);
    Text2->setGeometry(rectFromTwips(1800, 1425, 750, 300));
    // Numbers, with a point and a sign: a phone offers its keypad for them.
    for (QLineEdit* box : {Text1, Text2})
        box->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    Label1 = new QLabel(QStringLiteral("Angolo  (0 - 360)"), this);
    Label1->setGeometry(rectFromTwips(120, 225, 1440, 270));
    Label2 = new QLabel(QStringLiteral("Forza  (100 - 13000)"), this);
    Label2->setGeometry(rectFromTwips(75, 1440, 1635, 345));
    Command1 = new QPushButton(QStringLiteral("Spara"), this);
    Command1->setGeometry(rectFromTwips(1470, 2685, 1650, 435));
    // Clicking takes the focus everywhere, so a box's leave handler runs first.
    Command1->setFocusPolicy(Qt::StrongFocus);
    Command1->setAutoDefault(false);
    VScroll1 = scrollBar(Qt::Vertical, 0, angleBarMaximum, 10, this);
    VScroll1->setGeometry(rectFromTwips(4230, 30, 300, 1140));
    HScroll1 = scrollBar(Qt::Horizontal, forceMinimum, forceMaximum, 50, this);
    HScroll1->setGeometry(rectFromTwips(210, 1965, 4200, 240));

    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, VScroll1);
    setTabOrder(VScroll1, HScroll1);

    Text1->installEventFilter(this);
    Text2->installEventFilter(this);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form3::VScroll1_Change);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form3::HScroll1_Change);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

void Form3::open() {
    focusFirstControl(*Text1); // hidden: no leave handler runs
    // Placed before it shows as well: a window manager frames a window where
    // it first appears, and a move in between can be lost.
    centre();
    setVisible(true);
    raise();
    activateWindow();
    m_leftForOwnWindow = false;
    Form_Activate();
    Text1->selectAll(); // typing replaces the remembered angle
}

void Form3::Form_Activate() {
    const int slot = m_game.state.shooterIndex();
    const LastShotInputs& last = m_game.state.lastShotInputs;
    Text1->setText(QString::fromStdString(last.angle(slot)));
    Text2->setText(QString::fromStdString(last.force(slot)));
    if (numberIn(Text2) == 0)
        Text2->setText(QStringLiteral(" 1000"));
    if (numberIn(Text1) == 0)
        Text1->setText(QStringLiteral(" 0"));
    setBar(HScroll1, numberIn(Text2));
    HScroll1->repaint();
    setBar(VScroll1, numberIn(Text1));
    drawAimLine(numberIn(Text1));
    centre();
}

void Form3::centre() {
    centreOnScreen(*this);
}

void Form3::drawAimLine(double angle) {
    const double theta = angle * launchPi / 180;
    // The screen's y grows downwards: angles turn anticlockwise.
    Line1.X2 = float(Line1.X1 + needleTwips * std::cos(theta));
    Line1.Y2 = float(Line1.Y1 - needleTwips * std::sin(theta));
    Shape1->update();
}

void Form3::VScroll1_Change() {
    setNumber(Text1, VScroll1->value());
    drawAimLine(numberIn(Text1));
}

void Form3::HScroll1_Change() {
    setNumber(Text2, HScroll1->value());
}

void Form3::Text1_LostFocus() {
    // Each test sees the text the one before it left.
    if (numberIn(Text1) > angleBarMaximum)
        setNumber(Text1, 0);
    if (numberIn(Text1) < 0)
        setNumber(Text1, 0);
    setBar(VScroll1, numberIn(Text1));
    VScroll1->repaint();
    drawAimLine(numberIn(Text1));
}

void Form3::Text2_lostfocus() {
    if (numberIn(Text2) > forceMaximum)
        setNumber(Text2, forceMaximum);
    if (numberIn(Text2) < forceMinimum)
        setNumber(Text2, forceMinimum);
    setBar(HScroll1, numberIn(Text2));
    HScroll1->repaint();
}

void Form3::Command1_Click() {
    const double angle = numberIn(Text1);
    if (angle < 0 || angle > angleMaximum) {
        m_game.window.message(text::angleRefused);
        return;
    }
    const double force = numberIn(Text2);
    if (force < forceMinimum || force > forceMaximum) {
        m_game.window.message(text::forceRefused);
        return;
    }
    const std::string angleText = Text1->text().toStdString();
    const std::string forceText = Text2->text().toStdString();
    storeShotInputs(m_game.state, angleText, forceText);
    hide();
    giveBackMainWindow(m_mainWindow.window());
    // The main window repaints where the dialog was before the shot starts.
    if (!m_game.window.yield())
        return;
    const ShotResult result = m_mainWindow.fuoco(angleText, forceText);
    if (result.outcome == ShotOutcome::aborted)
        return; // the program is ending: no window may be touched
    m_game.window.setFireCaption(fireCommandCaption(m_game.state));
}

void Form3::closeEvent(QCloseEvent* event) {
    event->accept();
    giveBackMainWindow(m_mainWindow.window());
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Losing the focus with the whole window is not leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == Text1)
                Text1_LostFocus();
            else if (watched == Text2)
                Text2_lostfocus();
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool Form3::ownsWindow(const QWindow* window) const {
    const QWindow* own = windowHandle();
    for (const QWindow* w = window; w; w = w->transientParent())
        if (w == own)
            return true;
    return false;
}

void Form3::focusWindowChanged(QWindow* window) {
    if (!window)
        return; // another application: coming back from it is no activation
    if (ownsWindow(window)) {
        // The dialog's own message boxes and popups are part of it.
        if (window == windowHandle() && m_leftForOwnWindow && isVisible()) {
            m_leftForOwnWindow = false;
            Form_Activate();
        }
        return;
    }
    // A disabled window cannot really be used (the main window while aiming).
    for (const QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == window && !widget->isEnabled())
            return;
    m_leftForOwnWindow = true;
}

} // namespace vortalin::ui
