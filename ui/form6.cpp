#include "form6.h"

#include "centring.h"
#include "firstfocus.h"
#include "windowopening.h"

#include "fonts.h"
#include "form4.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace vortalin::ui {

Form6::Form6() {
    setWindowTitle(QStringLiteral("Vortalin - About"));
    setFont(dialogFont());
    setFixedSize(sizeFromTwips(4530, 3795));
    buildControls();
}

void Form6::buildControls() {
    Command1 = new QPushButton(QStringLiteral("Ok"), this);
    Command1->setGeometry(rectFromTwips(1005, 3165, 2370, 495));
    Image1 = bannerImage(this, rectFromTwips(330, 885, 3870, 825));
    Label1 = new QLabel(QStringLiteral("Vortalin"), this);
    Label1->setFont(catalogueFont(QStringLiteral("Times New Roman"), 27.75, true, true));
    Label1->setGeometry(rectFromTwips(1200, 90, 2415, 705));
    Label2 = new QLabel(QStringLiteral("Per commenti,suggerimenti e richieste"), this);
    Label2->setGeometry(rectFromTwips(795, 1860, 3090, 270));
    Label3 = new QLabel(QStringLiteral("potete contattare l'autore al seguente indirizzo"), this);
    Label3->setGeometry(rectFromTwips(645, 2205, 3270, 270));
    Label4 = new QLabel(QStringLiteral("vortalin@example.org"), this);
    Label4->setGeometry(rectFromTwips(1530, 2595, 1365, 255));
    // Free faces run a little wider than the designed one: no clipped words.
    for (QLabel* line : {Label2, Label3, Label4})
        line->resize(std::max(line->width(), line->sizeHint().width()), line->height());
    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
}

void Form6::open() {
    if (!isVisible()) // "About" on an open box only brings it forward
        focusFirstControl(*Command1);
    openWindow(*this, m_loaded, [this] { Form_Load(); });
}

void Form6::Form_Load() {
    centreOnScreen(*this);
}

void Form6::Command1_Click() {
    hide();
}

} // namespace vortalin::ui
