// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the manual page from its template and the user's guide, so that
// the page's description is the guide the program shows, word for word.
// Usage: make_manual GUIDE.md TEMPLATE.1.in OUTPUT.1
// The guide uses a small part of Markdown: "#" and "##" headings, numbered
// items, pictures on lines of their own, `code`, and paragraphs.

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string readAll(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Backslashes escaped, `code` in bold with its hyphens as minus signs, a
// leading dot or quote kept from reading as a request.
std::string roff(const std::string& line)
{
    std::string out;
    bool code = false;
    for (char c : line) {
        if (c == '`') {
            out += code ? "\\fR" : "\\fB";
            code = !code;
        } else if (c == '\\') {
            out += "\\e";
        } else if (c == '-' && code) {
            out += "\\-";
        } else {
            out += c;
        }
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\''))
        out.insert(0, "\\&");
    return out;
}

std::string description(const std::string& guide)
{
    std::istringstream lines(guide);
    std::string description;
    std::string line;
    bool paragraph = false;
    while (std::getline(lines, line)) {
        if (line.empty()) {
            paragraph = false;
        } else if (line.rfind("## ", 0) == 0) {
            description += ".SS " + roff(line.substr(3)) + "\n";
            paragraph = true;
        } else if (line.rfind("# ", 0) == 0 || line.rfind("![", 0) == 0) {
            continue; // the guide's title and its pictures
        } else if (std::isdigit(static_cast<unsigned char>(line.front()))
            && line.find(". ") != std::string::npos && line.find(". ") < 3) {
            const std::size_t dot = line.find(". ");
            description += ".IP " + line.substr(0, dot + 1) + " 4\n" + roff(line.substr(dot + 2)) + "\n";
            paragraph = true;
        } else {
            if (!paragraph)
                description += ".PP\n";
            description += roff(line) + "\n";
            paragraph = true;
        }
    }
    return description;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s GUIDE.md TEMPLATE.1.in OUTPUT.1\n", argv[0]);
        return 2;
    }
    std::string page = readAll(argv[2]);
    const std::string placeholder = "@DESCRIPTION@\n";
    const std::size_t at = page.find(placeholder);
    if (at == std::string::npos) {
        std::fprintf(stderr, "%s has no %s", argv[2], placeholder.c_str());
        return 1;
    }
    page.replace(at, placeholder.size(), description(readAll(argv[1])));
    std::ofstream(argv[3], std::ios::binary) << page;
    return 0;
}
