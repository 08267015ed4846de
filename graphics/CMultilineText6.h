#pragma once

#include "graphics/CText6.h"

#include <memory>
#include <vector>

// A text broken into lines that fit the width of its justification rectangle: "|" (or a carriage
// return) breaks a line, the style in force is carried from line to line, and edit-box codes
// place boxes in the text through the unit. Each line is a single-line text of its own; lines
// stand 4 pixels closer than their heights, and the whole block is justified in the rectangle.
// Word indexes run over all lines.
class CMultilineText6 : public CText6 {
public:
    CMultilineText6(CWindow* window, bool hypertext, CEditBoxUnit* unit);
    ~CMultilineText6() override;

    // Deletes the lines and gives the edit boxes back to the unit.
    virtual void flush();

    // "&NBSP;" becomes a blank; no colour code is added.
    void setText(const CXString& text) override;
    // The lines are made again with the font (the text keeps its colour).
    void setFont(CSimpleFont6* font) override;
    void Move(int dx, int dy) override;
    using CGraphicsObject::Move;
    void Redraw() override;
    // The file's lines joined, each followed by a line feed, become the text; 0.
    int Load(const CXString& file) override;
    using CGraphicsObject::Load;
    // The lines' heights less 2 per boundary between entries (break markers count).
    int getHeight() override;
    // The longest line.
    int getLength() override;
    using CText6::getLength;

    int getNumWords() override;
    // A hit in a later line wins over an earlier one where their ranges overlap.
    int getWordAtXY(CXPoint point) override;
    CXString getWordAt(int index) override;
    // The word's left x and its line's top.
    CXPoint getWordPosition(int index) override;
    int getWordWidth(int index) override;
    int search(const CXString& word, int from) override;
    void setWordColor(int index, int color) override;
    // Entry i of the lines: a line's word record, null for a break marker.
    ht_Line* get_ht_lines_info(int line) override;
    // Places the lines below each other and their words.
    void layoutWords() override;

    // Entries are lines, or null where an explicit break follows a line.
    int getLineCount() const { return int(lines_.size()); }
    CText6* getLine(int index) const;

private:
    void split();
    void splitText();
    void splitMultiText();
    void addLine(const CXString& markup);
    void addBreak() { lines_.push_back(nullptr); }
    int madeLines() const;
    // First-word indexes over the lines.
    void numberWords();
    // The line holding a word (global index), null when none; its first-word index.
    CText6* lineOf(int index, int& first) const;
    void placeLine(CText6& line, int x, int y);
    // Within the clipping rectangle (in the text's own coordinates; empty: the whole line).
    void drawLine(CText6& line, CXPoint at, CXRect clip);

    bool hypertext_;
    std::vector<std::unique_ptr<CText6>> lines_;
};
