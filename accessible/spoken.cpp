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
    auto *keys = new KeyWatch(list);
    QObject::connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), keys,
                     [list, keys] {
                         Announcer *announcer = Announcer::of(list);
                         if (announcer && keys->keyInHand && list->hasFocus())
                             announcer->announce(list->currentText().simplified());
                     });
}

} // namespace accessible
