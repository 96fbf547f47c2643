// News for a screen reader that no widget shows: a notification the reader speaks as it
// appears. Qt 6.4 has no announcement event, and a reader ignores a change of a table
// cell's name or description.
#pragma once

#include <QWidget>

namespace gelumpa {

class ReaderNews final : public QWidget {
    Q_OBJECT

public:
    explicit ReaderNews(QWidget* parent);

    // Does nothing while no assistive technology listens.
    void tell(const QString& news);
};

} // namespace gelumpa
