// Page 0: the reading passage about heroin that exercise I asks about.
#include "formstyles.h"
#include "mainwindowform.h"
#include "spoken.h"

using formstyles::tr;

namespace {

// The passage: a centred title, then justified 10 pt paragraphs; the section
// headings use the same paragraph form and start with "> ". It must fit the
// 731 x 451 label without scrolling, final empty paragraph included.
const char *const readingText =
    "<html><head/><body>"
    "<p align=\"center\"><span style=\" font-size:11pt; font-weight:600;\">L'HÉROÏNE</span></p>"
    "<p align=\"justify\"><span style=\" font-size:10pt;\">&gt; L'HÉROÏNE, QU'EST-CE QUE C'EST?</span></p>"
    "<p align=\"justify\"><span style=\" font-size:10pt;\">"
    "L'héroïne est un opiacé puissant obtenu par synthèse à partir de la morphine, "
    "elle-même extraite du pavot."
    "</span></p>"
    "<p align=\"justify\"><span style=\" font-size:10pt;\">&gt; À QUOI ÇA RESSEMBLE?</span></p>"
    "<p align=\"justify\"><span style=\" font-size:10pt;\">"
    "Elle se présente sous la forme d'une poudre ou de granulés à écraser. "
    "Longtemps injectée dans une veine, elle peut aussi être sniffée ou fumée. "
    "En France, l'injection recule depuis quelques années."
    "</span></p>"
    "<p align=\"justify\"><span style=\" font-size:10pt;\">&gt; EFFETS ET DANGERS DE L'HÉROÏNE</span></p>"
    "<p align=\"justify\"><span style=\" font-size:10pt;\">"
    "L'héroïne procure très vite un apaisement, une euphorie et une sensation d'extase. "
    "Vient ensuite une somnolence, parfois avec des nausées, des vertiges et un ralentissement "
    "du rythme cardiaque. Elle agit parfois comme un puissant anxiolytique et antidépresseur."
    "</span></p>"
    "<p align=\"justify\"><span style=\" font-size:10pt;\">"
    "L'usage répété crée une tolérance, et le plaisir s'estompe. "
    "En quelques semaines, il faut des doses plus fortes et plus fréquentes. "
    "La dépendance s'installe vite dans la plupart des cas. "
    "L'usager oscille alors entre soulagement euphorique et manque (anxiété, agitation). "
    "Elle entraîne presque toujours un grave risque de marginalisation sociale."
    "</span></p>"
    "<p align=\"justify\"><span style=\" font-size:10pt;\">"
    "Des troubles apparaissent très tôt, notamment l'anorexie et l'insomnie."
    "</span></p>"
    "<p align=\"justify\"><span style=\" font-size:10pt;\">"
    "La surdose provoque une dépression respiratoire souvent mortelle. "
    "Elle survient surtout après une forte prise, mais aussi avec de petites doses, "
    "notamment lors d'une reprise après l'abstinence. "
    "Sans hygiène, l'injection cause des infections locales (abcès). "
    "Partager le matériel d'injection et de préparation expose fortement au VIH et à l'hépatite C."
    "</span></p>"
    "<p align=\"justify\"><span style=\" font-size:10pt;\"><br/></span></p>"
    "</body></html>";

} // namespace

void MainWindowForm::setupReadingPage()
{
    stacked_lecture1_1 = formstyles::newPage("stacked_lecture1_1");
    lecture1_1 = formstyles::newPanel(stacked_lecture1_1, "lecture1_1", QRect(15, 0, 770, 481));
    label_2 = formstyles::newHeading(lecture1_1, "label_2", QRect(20, 0, 771, 16), true);

    label_5 = new QLabel(lecture1_1);
    label_5->setObjectName(QStringLiteral("label_5"));
    label_5->setGeometry(QRect(20, 20, 731, 451));
    label_5->setStyleSheet(QString::fromUtf8(formstyles::transparent));
    label_5->setFrameShape(QFrame::NoFrame);
    label_5->setWordWrap(true);
    accessible::readAsText(label_5, "fr");

    formstyles::polishWhenShown(stacked_lecture1_1);
    stackedWidget->addWidget(stacked_lecture1_1);
}

void MainWindowForm::retranslateReadingPage()
{
    label_2->setText(formstyles::heading("I. Lisez le texte:"));
    label_5->setText(tr(readingText));
}
