#include "controls/page_output.h"

#include "controls/controls_texts.h"
#include "controls/qt_format_text.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <cups/cups.h>

namespace kontaro::controls {

namespace {

QPrinterInfo Queue()
{
    QPrinterInfo queue = QPrinterInfo::defaultPrinter();
    if (queue.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (!all.isEmpty())
            queue = all.constFirst();
    }
    return queue;
}

bool WritePdf(const PagePainter& paint, PageOrientation orientation, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    SetUpPrinterPage(printer, orientation);
    if (paint(printer) == 0)
        return false;
    // The PDF engine reports a file it could not write only through its state.
    return printer.printerState() != QPrinter::Error && QFile::exists(path);
}

} // namespace

bool HasPrinterQueue() { return !Queue().isNull(); }

QPageSize QueuePaper()
{
    const QPrinterInfo queue = Queue();
    return queue.isNull() || !queue.defaultPageSize().isValid() ? QPageSize(QPageSize::A4) : queue.defaultPageSize();
}

void SetUpPrinterPage(QPrinter& printer, PageOrientation orientation)
{
    printer.setPageSize(QueuePaper());
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    if (orientation)
        printer.setPageOrientation(*orientation);
}

bool SavePagesAsPdf(const PagePainter& paint, PageOrientation orientation, const QString& path, QString* error)
{
    // The pages go to a file beside the target first, so a failure leaves an old file
    // of that name as it was.
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    if (!WritePdf(paint, orientation, partial) || (QFile::exists(path) && !QFile::remove(path)) ||
        !QFile::rename(partial, path)) {
        QFile::remove(partial);
        if (error)
            *error = FormatText(texts::CannotWritePdf(), {QDir::toNativeSeparators(path)});
        return false;
    }
    return true;
}

bool PrintPagesOnQueue(const PagePainter& paint, PageOrientation orientation, const QString& title, QString* error)
{
    const QPrinterInfo queue = Queue();
    if (queue.isNull()) {
        if (error)
            *error = texts::NoPrinter();
        return false;
    }
    const QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("job.pdf"));
    if (!folder.isValid() || !WritePdf(paint, orientation, pdf)) {
        if (error)
            *error = texts::PrintFailed();
        return false;
    }
    const QByteArray name = queue.printerName().toLocal8Bit();
    const QByteArray file = QFile::encodeName(pdf);
    const QByteArray jobTitle = title.toUtf8();
    if (cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(), file.constData(), jobTitle.constData(), 0, nullptr) == 0) {
        if (error)
            *error = FormatText(texts::JobRefused(), {queue.printerName(), QString::fromUtf8(cupsLastErrorString())});
        return false;
    }
    return true;
}

} // namespace kontaro::controls
