#pragma once

class CAnimo;
class CFile;

// Writes animations: the "NVP" file of the current format, which reads back equal, and the
// 12-byte head of the old format.
class CAnimoWriter {
public:
    // The "NVP" file: head, author and description, the events with the frame numbers and the
    // per-position records and texts, the frames' long heads, then their data. Frames are written
    // raw, or run-length packed for code 4; the other codes are not made here and write the raw
    // planes under code 0. Frames held packed are unpacked for the writing and left as they were.
    // False (and nothing written) when the counts do not fit the format or a frame's planes are
    // damaged; false too when the file does not take every byte.
    static bool write(CAnimo& animation, CFile* file, int code);
    // The old head alone: "PIK" for code 0, "PI2" for 1, "PI3" for the others, the frame count
    // and the pixel-format flag code.
    static bool writeOldHead(CAnimo& animation, CFile* file, int code);
};
