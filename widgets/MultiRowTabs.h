#pragma once

#include <QWidget>

class QButtonGroup;
class QTabWidget;

// A tab control whose tabs wrap onto several rows, each row stretched to the full width, so that
// every page's tab stays visible. The pages live in an ordinary QTabWidget (its own bar hidden)
// that pages() returns, so callers use the usual tab-widget interface.
class MultiRowTabs : public QWidget {
    Q_OBJECT
public:
    explicit MultiRowTabs(QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }
    int addTab(QWidget* page, const QString& caption);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutTabs();

    QTabWidget* pages_;
    QButtonGroup* tabs_;
    QWidget* bar_;
};
