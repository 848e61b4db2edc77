// How texts and choices are spoken: see spoken.h.
#include "spoken.h"

#include "announcer.h"
#include "keywatch.h"
#include "widgetinterface.h"

#include <QtCore/QVersionNumber>
#include <QtGui/QTextDocumentFragment>
#include <QtWidgets/QComboBox>

namespace accessible {

QString spokenText(const QLabel *label)
{
    const QString text = label->text();
    if (showsRichText(label))
        return QTextDocumentFragment::fromHtml(text).toPlainText().simplified();
    return text.simplified();
}

void readAsText(QLabel *label, const char *language)
{
    label->setProperty(textLanguage, QString::fromLatin1(language));
}

namespace {

// Whether the reader that comes with the running toolkit says an option chosen by key on a
// closed list itself, as it says the list anew: Orca 48 and later do, and come with Qt 5.15.15
// and Qt 6.8 and later on Debian; Orca 43, with Qt 5.15.8 and Qt 6.4 on Debian 12, does not.
bool readerSaysKeyedChoices()
{
    const QVersionNumber running = QVersionNumber::fromString(QString::fromLatin1(qVersion()));
    if (running.majorVersion() == 5)
        return running > QVersionNumber(5, 15, 8);
    return running >= QVersionNumber(6, 8);
}

} // namespace

void sayKeyedChoices(QComboBox *list)
{
    // Told as well as the reader says it, the option was heard twice.
    if (readerSaysKeyedChoices())
        return;
    auto *keys = new KeyWatch(list);
    QObject::connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), keys,
                     [list, keys] {
                         Announcer *announcer = Announcer::of(list);
                         if (announcer && keys->keyInHand && list->hasFocus())
                             announcer->announce(list->currentText().simplified());
                     });
}

} // namespace accessible
