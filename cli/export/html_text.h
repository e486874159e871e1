#pragma once
// Small edits of an HTML page's text for the export: its characters as
// UTF-8, and snippets put into its head and at the end of its body.

#include <string>

namespace velmora::cli::exporting {

// The page in UTF-8, read in the charset it declares (ISO-8859-2, the
// disc's, when it declares none), its declaration saying "utf-8".
std::string PageAsUtf8(const std::string& html);

// snippet placed just before "</head>" (else at the start of the page).
std::string InsertIntoHead(const std::string& html, const std::string& snippet);
// snippet placed just after the "<body ...>" tag; the page unchanged when
// it has none (a frameset).
std::string InsertAtBodyStart(const std::string& html, const std::string& snippet);
// snippet placed just before the last "</body>" (else at the end).
std::string InsertAtBodyEnd(const std::string& html, const std::string& snippet);

// Text for an HTML text node or attribute: & < > " escaped.
std::string EscapeHtml(const std::string& utf8);

}  // namespace velmora::cli::exporting

namespace velmora::cli::exporting {

// The text of the page's <title>, blanks at its ends cut; empty for none.
std::string TitleOf(const std::string& html);

}  // namespace velmora::cli::exporting
