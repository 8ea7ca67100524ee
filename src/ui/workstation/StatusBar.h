// The main window's status bar: the current directory at the left, the
// machine at the right and the reverse processor centred, drawn last so that
// it stays readable when long texts overlap.
#pragma once

#include <QWidget>

namespace qv::ui {

class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    void setTexts(const QString& directory, const QString& processor, const QString& machine);
    QString directoryText() const { return directory_; }
    QString processorText() const { return processor_; }
    QString machineText() const { return machine_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString directory_;
    QString processor_;
    QString machine_;
};

}  // namespace qv::ui
