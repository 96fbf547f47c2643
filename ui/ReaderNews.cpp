// The notification is never drawn: it only appears to a reader, once for each piece of news.
#include "ui/ReaderNews.h"

#include <QAccessible>

namespace gelumpa {

ReaderNews::ReaderNews(QWidget* parent) : QWidget(parent)
{
    setFixedSize(0, 0);
    hide();
}

void ReaderNews::tell(const QString& news)
{
    if (!QAccessible::isActive())
        return;
    setAccessibleName(news);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace gelumpa
