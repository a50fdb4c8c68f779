#pragma once

#include <QColor>
#include <QWidget>

// A round lamp or indicator: filled solid in its colour when lit, and dark (its black background
// showing through) when not.

namespace corvane {

class LampWidget final : public QWidget {
public:
    LampWidget(QColor litColour, QWidget* parent);
    void SetLit(bool lit);
    bool Lit() const { return lit_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor litColour_;
    bool lit_ = false;
};

}  // namespace corvane
