#include "ui/frmAbout.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ProgramInfo.h"
#include "ui/Twips.h"

namespace corvane {
namespace {

constexpr std::int32_t kWidth = 5400;
constexpr std::int32_t kHeight = 3600;

}  // namespace

frmAbout::frmAbout(ScreenSize screen)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      screen_(screen) {
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(kProgramTitle));
    setFixedSize(TwipsToPixels(kWidth), TwipsToPixels(kHeight));
    auto* layout = new QVBoxLayout(this);

    auto* name = new QLabel(QString::fromUtf8(kProgramTitle), this);
    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setPointSize(20);
    nameFont.setBold(true);
    name->setFont(nameFont);
    layout->addWidget(name);
    layout->addWidget(new QLabel(QString::fromStdString(VersionLine()), this));
    layout->addWidget(new QLabel(
        QStringLiteral("A traffic-signal controller for one four-approach intersection,\n"
                       "for technicians, trainers and students."),
        this));
    auto* links = new QLabel(QStringLiteral("Built with <a href=\"https://www.qt.io/\">Qt</a> and "
                                            "<a href=\"https://www.sqlite.org/\">SQLite</a>."),
                             this);
    links->setTextFormat(Qt::RichText);
    links->setOpenExternalLinks(true);
    layout->addWidget(links);
    layout->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

void frmAbout::ShowCentred() {
    Centre();
    show();
    raise();
    activateWindow();
}

void frmAbout::Centre() {
    FormGeometry geometry{0, 0, kWidth, kHeight};
    CenterForm(geometry, screen_);
    move(TwipsToPixels(geometry.Left), TwipsToPixels(geometry.Top));
}

bool frmAbout::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Centre();
    }
    return QWidget::event(event);
}

}  // namespace corvane
