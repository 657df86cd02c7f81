// SPDX-License-Identifier: LicenseRef-proprietary
#include "record/RunRecordDocument.h"

#include "control/FillTexts.h"
#include "control/ProofTexts.h"
#include "control/RunSheet.h"
#include "control/WholeFileSave.h"
#include "list/SizeText.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace wypelark {
namespace {

// The path's share of the page's width, so that it breaks over as few lines as it can; the other
// columns take what their words need of the rest.
constexpr int PathColumnPercent = 34;

QString cell(const QString& text) {
    return QStringLiteral("<td>") +
           text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
           QStringLiteral("</td>");
}

} // namespace

QString RunRecordDocument::html() const {
    const RunSheet::Head& head = mSheet.head();
    QString html =
        QStringLiteral("<html><body><h2>%1</h2><p>%2<br>%3 %4")
            .arg(ProofTexts::title().toHtmlEscaped(),
                 ProofTexts::heading(head.started.toString(Qt::ISODate),
                                     head.ended.toString(Qt::ISODate), mSheet.host(), mSheet.user(),
                                     head.passes)
                     .toHtmlEscaped(),
                 head.program.toHtmlEscaped(), QStringLiteral(WYPELARK_VERSION).toHtmlEscaped());
    for (const QString& line : ProofTexts::operatorAndNote(head.operatorName, head.note))
        html += QStringLiteral("<br>") + line.toHtmlEscaped();
    html += QStringLiteral("</p>");
    if (mSheet.fill())
        html += QStringLiteral("<p>%1</p>").arg(FillTexts::summary(*mSheet.fill()).toHtmlEscaped());
    if (mSheet.rows().empty())
        return html + QStringLiteral("</body></html>");
    html += QStringLiteral(
        "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    const QStringList columns = ProofTexts::columns();
    for (const QString& column : columns)
        html += (&column == &columns.front()
                     ? QStringLiteral("<th width=\"%1%\">").arg(PathColumnPercent)
                     : QStringLiteral("<th>")) +
                column.toHtmlEscaped() + QStringLiteral("</th>");
    html += QStringLiteral("</tr>");
    for (const SheetRow& row : mSheet.rows()) {
        html += QStringLiteral("<tr>");
        for (const QString& text : ProofTexts::rowCells(row))
            html += cell(text);
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table></body></html>");
}

QString RunRecordDocument::plainText() const {
    QTextDocument document;
    document.setHtml(html());
    return document.toPlainText();
}

QString RunRecordDocument::writePdf(const QString& path) const {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setTitle(ProofTexts::title());
        writer.setCreator(QStringLiteral("Wypelark " WYPELARK_VERSION));
        QTextDocument document;
        document.setHtml(html());
        document.print(&writer);
    }
    return saveWhole(path, pdf.data());
}

} // namespace wypelark
