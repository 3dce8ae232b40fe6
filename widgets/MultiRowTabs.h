#pragma once

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QStackedWidget;

// A tab control whose tabs wrap onto several rows, each row stretched to the full width, so that
// every page's tab stays visible.
class MultiRowTabs : public QWidget {
    Q_OBJECT
public:
    explicit MultiRowTabs(QWidget* parent = nullptr);

    int addTab(QWidget* page, const QString& caption);
    int count() const;
    QString tabText(int index) const;
    int currentIndex() const;
    QWidget* currentWidget() const;
    QWidget* widget(int index) const;
    void setCurrentIndex(int index);
    void setCurrentWidget(QWidget* page);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutTabs();

    QStackedWidget* pages_;
    QButtonGroup* tabs_;
    QWidget* bar_;
};
