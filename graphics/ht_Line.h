#pragma once

#include <vector>

// Where the words of one line of text were drawn, for the word operations of scripts: the
// index of the line's first word among all words of its text, the line's top and bottom on the
// screen, and each word's left and right x with the word's own colour.
struct ht_Line {
    // A word without a colour of its own takes the text's.
    static constexpr int NO_COLOR = 0x10000;

    struct Word {
        int left = 0;
        int right = 0;
        int color = NO_COLOR;
    };

    int count() const { return static_cast<int>(words.size()); }
    bool holds(int index) const { return index >= 0 && index < count(); }

    int firstWord = 0;
    int top = 0;
    int bottom = 0;
    std::vector<Word> words;
};
