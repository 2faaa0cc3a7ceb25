#pragma once
// A question line (TmRecord) read for showing: its step count, its text with
// line breaks, and the picture a picture question names. Plain code, shared by
// the question window, the score window and the demonstration start; and the
// question window's header for the run state's current question.

#include <QString>
#include <QStringView>
#include <optional>

namespace run {

struct TmDisplay
{
    QString text;    // what the question text box shows
    bool isPicture = false;
    QString picture; // the picture's name (characters 14 to 19), when isPicture
};

// The line read for showing: the text from character 7 with every "|" turned
// into CR LF; for a text that begins "picture" (case-sensitive), the name in
// characters 14 to 19 and the text from character 20 with its "|" unchanged.
// A line too short for a field gives the characters it has. keepBars: every
// "|" stays as it is (the demonstration's note shows the marks).
TmDisplay tmDisplay(QStringView tmLine, bool keepBars = false);

// Question TmNo's header caption for the run state's set (PaperType), or
// nullopt for a set that leaves the caption unchanged. examTitle: the
// subject title, of which the header takes the first two characters.
std::optional<QString> questionHeader(const QString &examTitle);

} // namespace run
