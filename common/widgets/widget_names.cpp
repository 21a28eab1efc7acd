// Object names and accessible names of widgets.
#include "widget_names.h"

#include <QWidget>

QString spokenCaption(const QString &caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" stands for a literal ampersand; a single "&" only marks the access key.
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&'))
                spoken.append(caption.at(++i));
            continue;
        }
        spoken.append(caption.at(i));
    }
    return spoken;
}

void setWidgetNames(QWidget *widget, const QString &designedName, const QString &spokenName)
{
    widget->setObjectName(designedName);
    if (!spokenName.isEmpty())
        widget->setAccessibleName(spokenCaption(spokenName));
}
