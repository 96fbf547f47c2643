// The notifications are never drawn: they only appear to a reader, once for each piece of news.
#include "ui/ReaderNews.h"

#include <QAccessible>

namespace gelumpa {

ReaderNotice::ReaderNotice(QWidget* parent) : QWidget(parent)
{
    setFixedSize(0, 0);
    hide();
}

ReaderNews::ReaderNews(QWidget& place)
{
    for (ReaderNotice*& notice : notices)
        notice = new ReaderNotice(&place);
}

bool ReaderNews::listening() const
{
    return QAccessible::isActive();
}

void ReaderNews::tell(const QString& news)
{
    ReaderNotice* notice = notices[next];
    next = (next + 1) % notices.size();
    notice->setAccessibleName(news);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace gelumpa
