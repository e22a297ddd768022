#include "platform/Dialogs.h"

#include "platform/Font.h"
#include "platform/Form.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
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

// The width a box needs for its whole title in the window system's caption bar, beside the
// icon and the caption buttons. The caption's font is the window manager's: a bold face a size
// above the forms' is a safe guess.
int TitleWidth(const QString& title) {
    QFont f = QApplication::font();
    f.setBold(true);
    const int captionButtons = 120;
    return QFontMetrics(f).horizontalAdvance(title) + captionButtons;
}

// A message box only as wide as its text would cut its title short.
void FitTitle(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleWidth(box.windowTitle()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

// Boxes have a caption and a close button only: no minimise, maximise or resize.
constexpr Qt::WindowFlags kBoxFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Steps without a box: only the window system runs.
class SilentProgress : public ProgressBox {
public:
    bool Advance(int) override {
        QCoreApplication::processEvents();
        return true;
    }
};

// The desktop's progress box; it appears only when the work lasts.
class QtProgress : public ProgressBox {
public:
    QtProgress(const std::string& text, const std::string& cancelText, int total)
        : box_(QString::fromStdString(text), QString::fromStdString(cancelText), 0, total,
               QApplication::activeWindow(), kBoxFlags) {
        box_.setWindowTitle(QString::fromStdString(Title()));
        box_.setWindowModality(Qt::ApplicationModal);
        box_.setMinimumDuration(500);
        box_.setAutoClose(false);
        box_.setAutoReset(false);
        box_.setFont(FormFont());
        box_.setValue(0);
    }
    bool Advance(int done) override {
        box_.setValue(done);
        QCoreApplication::processEvents();
        return !box_.wasCanceled();
    }

private:
    QProgressDialog box_;
};

} // namespace

std::unique_ptr<ProgressBox> DialogSeam::StartProgress(const std::string&, const std::string&,
                                                       int) {
    return std::make_unique<SilentProgress>();
}

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
    // Only for the boxes: as Qt's display name it would be appended to every window's title.
    Title() = title;
}

std::string QtDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                const std::string& defaultText) {
    QInputDialog box(QApplication::activeWindow(), kBoxFlags);
    box.setFont(FormFont());
    box.setWindowTitle(QString::fromStdString(caption));
    box.setLabelText(QString::fromStdString(prompt));
    box.setTextValue(QString::fromStdString(defaultText));
    // The box's layout sizes it by its contents: the edit carries the width the title needs.
    if (auto* edit = box.findChild<QLineEdit*>()) {
        const QMargins m = box.layout() ? box.layout()->contentsMargins() : QMargins();
        edit->setMinimumWidth(TitleWidth(box.windowTitle()) - m.left() - m.right());
    }
    return box.exec() == QDialog::Accepted ? box.textValue().toStdString() : defaultText;
}

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(Title()),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow(),
                    kBoxFlags);
    box.setFont(FormFont());
    FitTitle(box);
    box.exec();
}

bool QtDialogs::AskYesNo(const std::string& text, const std::string& caption,
                         DefaultAnswer preset) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow(), kBoxFlags);
    box.setDefaultButton(preset == DefaultAnswer::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.setFont(FormFont());
    FitTitle(box);
    return box.exec() == QMessageBox::Yes;
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

std::unique_ptr<ProgressBox> QtDialogs::StartProgress(const std::string& text,
                                                      const std::string& cancelText, int total) {
    return std::make_unique<QtProgress>(text, cancelText, total);
}

void QtDialogs::RunModal(TForm& form) {
    form.ExecModal();
}

} // namespace platform
