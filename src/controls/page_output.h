#pragma once
// Where printed pages go: the system's default printer queue, as one job, or a PDF
// file. Both paint the pages once through the same painter function on a PDF
// device of the queue's paper (A4 without a queue), so what the printer gets and
// what the PDF holds are the same pages. Anything that lays out pages (a grid, a
// chart) prints through these two functions.
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPrinter;

namespace kontaro::controls {

// Paints every page on the device (not yet painted on) and returns the number of
// pages; 0 when the device could not be painted on.
using PagePainter = std::function<int(QPagedPaintDevice& device)>;

// The page orientation to print in; nothing keeps the printer's own.
using PageOrientation = std::optional<QPageLayout::Orientation>;

// True when the system has a printer queue to print on.
bool HasPrinterQueue();

// The paper of the default queue; A4 without a queue.
QPageSize QueuePaper();

// Sets the printer to the paper of the default queue (A4 without a queue) and the
// orientation.
void SetUpPrinterPage(QPrinter& printer, PageOrientation orientation);

// Writes the pages into the PDF file at `path`, replacing it. False with a German
// message in `error` when the file cannot be written.
bool SavePagesAsPdf(const PagePainter& paint, PageOrientation orientation, const QString& path, QString* error);

// Sends the pages to the default queue (or, without a default, the first queue) as
// one job named `title`. False with a German message in `error` when there is no
// queue or the job was refused; a refusal carries the printing system's own text.
bool PrintPagesOnQueue(const PagePainter& paint, PageOrientation orientation, const QString& title, QString* error);

} // namespace kontaro::controls
