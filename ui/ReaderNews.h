// News for a screen reader that no widget shows: each piece is a notification the reader speaks
// as it appears. Qt 6.4 has no announcement event, and a reader ignores a change of a table
// cell's name or description.
#pragma once

#include <array>

#include <QString>
#include <QWidget>

namespace gelumpa {

// One notification, hidden and of no size; assistive technology reads it by its name.
class ReaderNotice final : public QWidget {
    Q_OBJECT

public:
    explicit ReaderNotice(QWidget* parent);
};

class ReaderNews {
public:
    // The notifications live in the given widget, which owns them.
    explicit ReaderNews(QWidget& place);

    // Whether assistive technology listens: only then is news worth building and telling.
    bool listening() const;
    void tell(const QString& news);

private:
    // Orca reads a notification's name only when it comes to its event, skips the event when a
    // later one names the same notification, and falls some news behind while it reads the
    // board's changes: the news goes round several notifications, so each is told again only
    // long after the reader has read it.
    std::array<ReaderNotice*, 8> notices{};
    std::size_t next = 0;
};

} // namespace gelumpa
