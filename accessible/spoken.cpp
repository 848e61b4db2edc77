// How texts and choices are spoken: see spoken.h.
#include "spoken.h"

#include "announcer.h"
#include "keywatch.h"
#include "widgetinterface.h"

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

void sayKeyedChoices(QComboBox *list)
{
#if FLE_TOOLKIT_TELLS_ATTRIBUTES
    // Orca 48 and later say the list anew, with its option, when a key changes the option:
    // told as well, the option was heard twice. Qt 6.8 and later come with Orca 48 or later on
    // every Debian release; Orca 43 says nothing of the change.
    Q_UNUSED(list)
#else
    auto *keys = new KeyWatch(list);
    QObject::connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), keys,
                     [list, keys] {
                         Announcer *announcer = Announcer::of(list);
                         if (announcer && keys->keyInHand && list->hasFocus())
                             announcer->announce(list->currentText().simplified());
                     });
#endif
}

} // namespace accessible
