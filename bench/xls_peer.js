// The peer of bench_xls: the same 2,000 x 10 table written as BIFF8 by the npm package
// "xlsx", and the same 32-cycle day series (read the file, add a sheet, write it). Prints
// one JSON object with the milliseconds per run of each case.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const XLSX = require(path.join(__dirname, 'node_modules', 'xlsx'));

function table(rows, columns, seed) {
  const aoa = [];
  for (let row = 0; row < rows; ++row) {
    const line = [];
    for (let column = 0; column < columns; ++column) {
      if (row === 0) line.push(column === 0 ? 'Produkt' : 'Spalte ' + column);
      else if (column === 0) line.push('Produkt ' + ((row * 7 + seed) % 997));
      else line.push(((row * 31 + column * 17 + seed) % 100000) / 100);
    }
    aoa.push(line);
  }
  return aoa;
}

function time(runs, action) {
  action();  // warm up
  const start = process.hrtime.bigint();
  for (let i = 0; i < runs; ++i) action();
  return Number(process.hrtime.bigint() - start) / 1e6 / runs;
}

const report = table(2000, 10, 0);
const reportFile = path.join(os.tmpdir(), 'kontaro-peer-report.xls');
const reportMs = time(10, () => {
  const book = XLSX.utils.book_new();
  XLSX.utils.book_append_sheet(book, XLSX.utils.aoa_to_sheet(report), 'Summe');
  XLSX.writeFile(book, reportFile, { bookType: 'biff8' });
});

const summary = table(200, 10, 0);
const days = [];
for (let day = 1; day <= 31; ++day) days.push(table(40, 10, day));
const seriesFile = path.join(os.tmpdir(), 'kontaro-peer-series.xls');
const seriesMs = time(3, () => {
  let book = XLSX.utils.book_new();
  XLSX.utils.book_append_sheet(book, XLSX.utils.aoa_to_sheet(summary), 'Summe');
  XLSX.writeFile(book, seriesFile, { bookType: 'biff8' });
  for (let day = 1; day <= 31; ++day) {
    book = XLSX.readFile(seriesFile);
    XLSX.utils.book_append_sheet(book, XLSX.utils.aoa_to_sheet(days[day - 1]), (day < 10 ? '05-03-0' : '05-03-') + day);
    XLSX.writeFile(book, seriesFile, { bookType: 'biff8' });
  }
});
fs.unlinkSync(reportFile);
fs.unlinkSync(seriesFile);
console.log(JSON.stringify({ version: XLSX.version, report_ms: reportMs, series_ms: seriesMs }));
