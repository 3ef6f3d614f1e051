// The help window: headings, texts and small board pictures in one scrolling page beside the
// main window.

#include <QDialog>
#include <QDialogButtonBox>
#include <QImage>
#include <QPainter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/cell_look.h"
#include "platform/qt/qt_backend.h"

namespace kalvenor::platform {
namespace {

constexpr int kPictureCell = 22;  // pixels per cell of a picture

QColor colour(cell_look::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// A picture's rows drawn as a piece of board, cell by cell, in the look of the cell buttons.
QImage drawPicture(const HelpPicture& picture) {
    int columns = 0;
    for (const std::string& row : picture.rows) {
        columns = std::max(columns, static_cast<int>(row.size()));
    }
    QImage image(columns * kPictureCell + 1, static_cast<int>(picture.rows.size()) * kPictureCell + 1,
                 QImage::Format_RGB32);
    image.fill(colour(cell_look::board));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t y = 0; y < picture.rows.size(); ++y) {
        for (std::size_t x = 0; x < picture.rows[y].size(); ++x) {
            const QRectF cell(static_cast<double>(x) * kPictureCell + 0.5,
                              static_cast<double>(y) * kPictureCell + 0.5, kPictureCell, kPictureCell);
            const char mark = picture.rows[y][x];
            if (mark == 'w' || mark == 'b') {
                const double inset = kPictureCell * cell_look::threatInset;
                painter.fillRect(cell.adjusted(inset, inset, -inset, -inset),
                                 colour(cell_look::highlightColour(
                                     mark == 'w' ? CellHighlight::ThreatWin : CellHighlight::ThreatBlock)));
            }
            painter.setPen(QPen(colour(cell_look::grid), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell);
            if (mark == 'X' || mark == 'O') {
                const double radius = kPictureCell * cell_look::stoneRadius;
                painter.setPen(QPen(colour(cell_look::stoneRim), 1.2));
                painter.setBrush(colour(mark == 'X' ? cell_look::blackStone : cell_look::whiteStone));
                painter.drawEllipse(cell.center(), radius, radius);
            } else if (mark == 'v') {
                painter.setPen(colour(cell_look::markText));
                painter.drawText(cell, Qt::AlignCenter, QStringLiteral("↓"));
            }
        }
    }
    return image;
}

QString escaped(std::string_view text) {
    return toQString(text).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

// The page as HTML, with its pictures by name.
struct Page {
    QString html;
    std::vector<std::pair<QUrl, QImage>> pictures;
};

Page pageOf(std::span<const HelpSection> sections) {
    Page page;
    QString& html = page.html;
    int pictureNumber = 0;
    for (const HelpSection& section : sections) {
        html += QStringLiteral("<h3>") + escaped(section.heading) + QStringLiteral("</h3><p>") +
                escaped(section.text) + QStringLiteral("</p>");
        if (section.pictures.empty()) {
            continue;
        }
        html += QStringLiteral("<table cellspacing=\"8\"><tr>");
        for (const HelpPicture& picture : section.pictures) {
            const QUrl name(QStringLiteral("picture:%1").arg(++pictureNumber));
            page.pictures.emplace_back(name, drawPicture(picture));
            html += QStringLiteral("<td align=\"center\"><img src=\"") + name.toString() +
                    QStringLiteral("\"><br>") + escaped(picture.caption) + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr></table>");
    }
    return page;
}

}  // namespace

void showHelpWindow(WindowHandle owner, std::string_view title, std::span<const HelpSection> sections) {
    if (owner == nullptr) {
        return;
    }
    if (owner->helpWindow == nullptr) {
        auto* dialog = new QDialog(owner->widget.get());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        auto* layout = new QVBoxLayout(dialog);
        auto* browser = new QTextBrowser(dialog);
        browser->setObjectName(QStringLiteral("helpText"));
        layout->addWidget(browser);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::close);
        layout->addWidget(buttons);
        dialog->resize(620, 640);
        owner->helpWindow = dialog;
    }
    QWidget* window = owner->helpWindow;
    window->setWindowTitle(toQString(title));
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("helpText"));
    // Setting the text clears the document's resources: the pictures come after it, and the page
    // is laid out again with them.
    const Page page = pageOf(sections);
    QTextDocument* document = browser->document();
    browser->setHtml(page.html);
    for (const auto& [name, image] : page.pictures) {
        document->addResource(QTextDocument::ImageResource, name, image);
    }
    document->markContentsDirty(0, document->characterCount());
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace kalvenor::platform
