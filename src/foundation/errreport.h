#pragma once
// Error reporting: the trapped error's tag, number and text go to the error
// endpoint (when one is configured) and to this run's error log.
//
// What a report needs from the layers above it is handed in by the start-up
// (src/app/): the way a report is sent (the HTTP text request) and where the
// bank version comes from. Until then a report is only logged and names an
// empty version.

#include <QString>
#include <functional>

namespace fnd {

// Sends a report's address (one GET, its answer ignored); empty: not sent.
void setReportSender(std::function<void(const QString &address)> send);
// The bank version a report names; empty: none.
void setBankVersionSource(std::function<QString()> version);

// Reports ErrSub, ErrNo and ErrDescript.
void ErrReport();

// Reports one failure: one GET to the error endpoint (1 second time-out, the
// answer ignored) and one entry in ErrLogFile. Nothing is sent while the
// endpoint is empty or while another report is being sent (a failure during a
// report's own request is logged only, so reports never nest); nothing is
// logged while ErrLogFile is empty. Nothing inside is reported.
void ErrReport(const QString &tag, long number, const QString &description, const QString &extra);

// Stores the three fields and reports them: what a trapping procedure does
// before it goes on with its next statement.
void trapError(const QString &tag, long number, const QString &description);

// A window's file that is missing (a picture): error 53 "File not found: "
// and its name, under tag, once per name for each run's log (ErrLogFile), so
// that a window loaded again and again, or many controls showing the same
// picture, log it once.
void reportMissingFile(const QString &tag, const QString &name);

// Appends one log entry: an empty line, the time "YYYY-MM-DD HH:MM:SS", the
// text without leading and trailing blanks and a line end, in GBK with CR LF.
// A missing log folder (one level, e.g. "ksdata") is created; any failure is
// silent. Each entry is appended with one write, and of the text at most
// LogTextLimit characters are written (a description or a bank version read
// from a damaged file can be megabytes long).
inline constexpr qsizetype LogTextLimit = 4096;
void WriteLog(const QString &path, const QString &text);

// The error endpoint's base address (scheme and host, e.g.
// "http://errors.example.invalid"). Empty by default: then reports are only
// logged. Set by the environment variable EXAMSIM_ERROR_ENDPOINT; tests set it
// directly (an empty text goes back to the environment's value).
QString errorEndpoint();
void setErrorEndpoint(const QString &base);

// The report's address: base & "/up/error/submit.asp?pronm=…&pver=…&osver=…
// &errsub=…&errno=…&errdescript=…" with every value percent-encoded as UTF-8
// and the extra text appended to the description.
QString errSubmitAddress(const QString &base, const QString &tag, long number, const QString &description,
                         const QString &extra);

} // namespace fnd
