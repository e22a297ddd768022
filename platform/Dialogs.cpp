#include "platform/Dialogs.h"

#include "platform/Form.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace platform {

namespace {

std::unique_ptr<DialogSeam>& Slot() {
    static std::unique_ptr<DialogSeam> seam;
    return seam;
}

std::string& Title() {
    static std::string title;
    return title;
}

// "Text files|*.txt|All|*.*" -> "Text files (*.txt);;All (*.*)"
QString QtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return out.join(";;");
}

} // namespace

DialogSeam& Dialogs() {
    auto& seam = Slot();
    if (!seam) seam = std::make_unique<QtDialogs>();
    return *seam;
}

std::unique_ptr<DialogSeam> SetDialogs(std::unique_ptr<DialogSeam> seam) {
    auto previous = std::move(Slot());
    Slot() = std::move(seam);
    return previous;
}

const std::string& ApplicationTitle() {
    return Title();
}
void SetApplicationTitle(const std::string& title) {
    Title() = title;
    if (qApp) QApplication::setApplicationDisplayName(QString::fromStdString(title));
}

std::string QtDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                const std::string& defaultText) {
    bool ok = false;
    const QString s =
        QInputDialog::getText(QApplication::activeWindow(), QString::fromStdString(caption),
                              QString::fromStdString(prompt), QLineEdit::Normal,
                              QString::fromStdString(defaultText), &ok);
    return ok ? s.toStdString() : defaultText;
}

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox::information(QApplication::activeWindow(), QString::fromStdString(Title()),
                             QString::fromStdString(text));
}

bool QtDialogs::AskYesNo(const std::string& text, const std::string& caption) {
    return QMessageBox::question(QApplication::activeWindow(), QString::fromStdString(caption),
                                 QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::OpenFileName(const std::string& filter,
                                                   const std::string& initialDir) {
    const QString f =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                     QString::fromStdString(initialDir), QtFilter(filter));
    if (f.isEmpty()) return std::nullopt;
    return f.toStdString();
}

std::optional<std::string> QtDialogs::SaveFileName(const std::string& filter,
                                                   const std::string& initialDir,
                                                   const std::string& fileName) {
    const QString start =
        QString::fromStdString(initialDir) + "/" + QString::fromStdString(fileName);
    // The programs ask before replacing a file themselves.
    const QString f =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), start,
                                     QtFilter(filter), nullptr, QFileDialog::DontConfirmOverwrite);
    if (f.isEmpty()) return std::nullopt;
    return f.toStdString();
}

bool QtDialogs::ShellOpen(const std::string& target) {
    const QString t = QString::fromStdString(target);
    const QUrl url =
        t.contains("://") ? QUrl(t) : QUrl::fromLocalFile(QFileInfo(t).absoluteFilePath());
    return QDesktopServices::openUrl(url);
}

void QtDialogs::RunModal(TForm& form) {
    form.ExecModal();
}

} // namespace platform
