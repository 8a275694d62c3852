// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/shell/help_window.h"

#include "report/language.h"
#include "report/texts.h"
#include "window/form/message_boxes.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

// Resources of a static library are registered by hand, outside any namespace.
static void registerGuide() { Q_INIT_RESOURCE(guide); }

namespace cramer {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    registerGuide();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(texts::qtText(texts::kGuideTitle));
    resize(720, 700);
    view_ = new QTextBrowser(this);
    view_->setObjectName(QStringLiteral("guideView"));
    view_->setAccessibleName(texts::qtText(texts::kGuideTitle));
    view_->setOpenExternalLinks(false);
    const QString guide = installedLanguage() == Language::English ? QStringLiteral("qrc:/guide/guide.en.md")
                                                                   : QStringLiteral("qrc:/guide/guide.md");
    view_->setSource(QUrl(guide), QTextDocument::MarkdownResource);
    // Markdown gives pictures no size: the window's own would not fit beside the text.
    constexpr int kPictureWidth = 560;
    QTextCursor cursor(view_->document());
    for (QTextBlock block = view_->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (!fragment.fragment().charFormat().isImageFormat())
                continue;
            QTextImageFormat picture = fragment.fragment().charFormat().toImageFormat();
            picture.setWidth(kPictureWidth);
            cursor.setPosition(fragment.fragment().position());
            cursor.setPosition(
                fragment.fragment().position() + fragment.fragment().length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
}

void HelpWindow::setZoom(double factor) { view_->setFont(zoomedDesktopFont(factor)); }

} // namespace cramer
