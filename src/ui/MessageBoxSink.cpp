#include "ui/MessageBoxSink.h"

#include <QMessageBox>

namespace corvane {

void MessageBoxSink::ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) {
    QString body = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!showing_.insert(body).second) {
        return;
    }
    auto* box = new QMessageBox(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                                QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())), body,
                                QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QMessageBox::finished, [this, body] { showing_.erase(body); });
    box->show();
}

}  // namespace corvane
