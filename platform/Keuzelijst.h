#pragma once
// A list of pupils to pick from. Its entries begin with a blank, so the
// list's type-to-find would take Space for a search and pick the next entry
// as well: there is none, Space toggles only the focused entry.

#include <QListWidget>

class Keuzelijst : public QListWidget {
public:
    using QListWidget::QListWidget;
    void keyboardSearch(const QString&) override {}
};
