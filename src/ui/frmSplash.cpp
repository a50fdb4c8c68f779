#include "ui/frmSplash.h"

#include "platform/ProgramInfo.h"
#include "ui/Artwork.h"
#include "ui/Twips.h"

namespace corvane {
namespace {

QLabel* WhiteLabel(QWidget* parent, const QString& text, double points, const TwipsRect& rect,
                   Qt::Alignment alignment) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->setGeometry(TwipsToPixels(rect));
    return label;
}

}  // namespace

frmSplash::frmSplash(const StartupLoader& loader, ScreenSize screen)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), loader_(loader) {
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    FormGeometry geometry{0, 0, 9390, 5310};
    CenterForm(geometry, screen);
    setGeometry(TwipsToPixels(TwipsRect{geometry.Left, geometry.Top, geometry.Width, geometry.Height}));
    setFixedSize(size());

    // The name and version are centred in their boxes, clear of the picture below them.
    WhiteLabel(this, QString::fromUtf8(kProgramTitle), 26.25, {3600, 120, 5535, 735}, Qt::AlignHCenter);
    WhiteLabel(this, QString::fromStdString(VersionLine()), 18, {3720, 1200, 5535, 495}, Qt::AlignHCenter);
    auto* image = new QLabel(this);
    const QRect imageRect = TwipsToPixels(TwipsRect{480, 1080, 3585, 4170});
    image->setGeometry(imageRect);
    image->setPixmap(SignalArtwork(imageRect.size()));
    lblStatus_ = WhiteLabel(this, {}, 9, {4200, 2640, 4815, 375}, Qt::AlignLeft);
    ProgressBar1_ = new QProgressBar(this);
    ProgressBar1_->setRange(0, 100);
    ProgressBar1_->setTextVisible(false);
    ProgressBar1_->setGeometry(TwipsToPixels(TwipsRect{4200, 3000, 4815, 735}));
    Refresh();
}

void frmSplash::Refresh() {
    lblStatus_->setText(QString::fromStdString(loader_.StatusText()));
    ProgressBar1_->setValue(loader_.Progress());
}

}  // namespace corvane
