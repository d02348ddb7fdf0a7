// The text pages: HTML sources laid out by QTextDocument on a white page of fixed size.
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>
#include <cmath>
#include <cstdio>

#include "pictures.h"

namespace thalmuro::bitmaps {
namespace {

// White margins of a page, in pixels: left and right, and above the title.
constexpr int kSideMargin = 24;
constexpr int kTopMargin = 18;
// The least white space kept below the last line of text.
constexpr int kBottomMargin = 12;

QString readText(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace

QImage drawTextPage(int id, int width, int height, int usableHeight, const QString& pagesDir,
                    PictureLanguage language, QString* error) {
    const QDir dir(pagesDir);
    const QString css = readText(dir.filePath(QStringLiteral("page.css")), error);
    if (!error->isEmpty()) return {};
    // The English pages share the Greek pages' look and differ only in their words.
    const QString source = language == PictureLanguage::english ? QStringLiteral("en/%1.html")
                                                                : QStringLiteral("%1.html");
    const QString html = readText(dir.filePath(source.arg(id)), error);
    if (!error->isEmpty()) return {};

    QImage page = canvas(width, height);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&page);
    document.setDefaultFont(pageFont(15));
    document.setDocumentMargin(0);
    document.setIndentWidth(26);
    document.setDefaultStyleSheet(css);
    // The sketches that a page may show with <img src="sketch:…">.
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("sketch:cross-section")),
                         drawCrossSectionSketch(language));
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("sketch:riser-spacing")),
                         drawRiserSpacingSketch(language));
    document.setHtml(html);
    const int textWidth = width - 2 * kSideMargin;
    document.setTextWidth(textWidth);

    // A page whose text runs past its bottom or its right edge would be cut off in the window;
    // better no program than a page that silently loses a sentence.
    const int textHeight = static_cast<int>(std::ceil(document.size().height()));
    const int available = usableHeight - kTopMargin - kBottomMargin;
    if (textHeight > available) {
        *error = QStringLiteral("the text is %1 pixels tall, %2 more than the page holds")
                     .arg(textHeight)
                     .arg(textHeight - available);
        return {};
    }
    if (document.idealWidth() > textWidth + 0.5) {
        *error =
            QStringLiteral("a line or picture is %1 pixels wide, wider than the %2 of the page")
                .arg(document.idealWidth())
                .arg(textWidth);
        return {};
    }
    if (qEnvironmentVariableIsSet("THALMURO_BITMAPS_VERBOSE"))
        std::fprintf(stderr, "page %d: text %d of %d pixels\n", id, textHeight, available);

    QPainter painter(&page);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.translate(kSideMargin, kTopMargin);
    document.drawContents(&painter);
    return page;
}

}  // namespace thalmuro::bitmaps
