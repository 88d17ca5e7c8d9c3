#pragma once

// Draws in lines of text or table rows. A line lists a draw as its issue,
// then possibly a date, a time and a weekday, then the number; whatever
// follows the number (试机号, sales, prize counts) is left alone. A header
// row that names its columns (期号, 开奖号码 or 百位/十位/个位, 开奖日期, in
// any order) makes the rows under it read by column, so a 试机号 column
// before the draw's number is never taken for it; a later header row (a page
// repeats its table's header) replaces it. Cells of a row are separated by
// tabs (a web page's rendered table), commas (CSV, quotes allowed) or blanks.

#include "exchange/ImportFile.h"

#include <QStringView>
#include <memory>

class DrawRowReader
{
public:
    explicit DrawRowReader(std::optional<Game> game = std::nullopt);
    ~DrawRowReader();
    DrawRowReader(const DrawRowReader&) = delete;
    DrawRowReader& operator=(const DrawRowReader&) = delete;

    // One line or row; `line` is its number for the bad-line list. Nothing
    // more is read once the draws exceed their limit (refused()).
    void read(int line, QStringView text);
    bool refused() const { return m_keeper.refused(); }
    ImportFile take();

private:
    struct Header;
    bool readHeader(QStringView text);
    bool readByColumns(QStringView text, ImportLine& draw, bool& shaped) const;

    ImportFile m_file;
    DrawKeeper m_keeper;
    // The last line that gave a draw: the same line again is only counted,
    // at the cost of a comparison.
    QString m_lastDrawLine;
    std::unique_ptr<Header> m_header;
    bool m_firstContent = true;
};

// Every line of the text through one DrawRowReader. Lines end in CR LF, LF
// or CR alone.
ImportFile readDrawLines(QStringView text, std::optional<Game> game = std::nullopt);
