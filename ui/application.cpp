#include "application.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "form6.h"
#include "platform.h"

#include <QApplication>

#include <chrono>

namespace vortalin::ui {

namespace {

std::uint64_t clockSeed() {
    return std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

Application::Application() : m_random(clockSeed()) {
    // Hiding the main window for the options dialog must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

Application::~Application() = default;

Form2& Application::form2() {
    if (!m_form2)
        m_form2 = std::make_unique<Form2>(*this);
    return *m_form2;
}

Form1& Application::form1() {
    if (!m_form1)
        m_form1 = std::make_unique<Form1>(*this, speedClock);
    return *m_form1;
}

Form4& Application::form4() {
    if (!m_form4)
        m_form4 = std::make_unique<Form4>(*this);
    return *m_form4;
}

Form6& Application::form6() {
    if (!m_form6)
        m_form6 = std::make_unique<Form6>();
    return *m_form6;
}

Form3& Application::form3() {
    if (!m_form3)
        m_form3 = std::make_unique<Form3>(game(), form2());
    return *m_form3;
}

Form5& Application::form5() {
    if (!m_form5)
        m_form5 = std::make_unique<Form5>(game(), form2());
    return *m_form5;
}

Game& Application::game() {
    if (!m_game)
        m_game = std::make_unique<Game>(Game{m_state, form2().board(), form2(), m_random});
    return *m_game;
}

QWidget* Application::openDialog() const {
    for (QWidget* dialog :
         {static_cast<QWidget*>(m_form3.get()), static_cast<QWidget*>(m_form5.get())})
        if (dialog && dialog->isVisible())
            return dialog;
    return nullptr;
}

void Application::raiseOpenDialog() {
    if (QWidget* dialog = openDialog()) {
        dialog->raise();
        dialog->activateWindow();
    }
}

void Application::quit() {
    m_ending = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    platform::programEnded(); // the browser's Qt may end the program inside exit()
    QCoreApplication::exit(0);
}

} // namespace vortalin::ui
