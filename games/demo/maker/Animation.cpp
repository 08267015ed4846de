#include "Animation.h"

#include "Raster.h"

#include "foundation/CFile.h"
#include "graphics/CAnimo.h"
#include "graphics/CAnimoWriter.h"
#include "graphics/CFrame.h"

int Animation::frame(const Raster& picture, int x, int y)
{
    int left = 0;
    int top = 0;
    int right = picture.width();
    int bottom = picture.height();
    if (cut_) {
        const auto seen = [&](int column, int row) { return picture.pixel(column, row).a > 0.5f / 255; };
        const auto rowSeen = [&](int row) {
            for (int column = 0; column < picture.width(); ++column)
                if (seen(column, row))
                    return true;
            return false;
        };
        const auto columnSeen = [&](int column) {
            for (int row = top; row < bottom; ++row)
                if (seen(column, row))
                    return true;
            return false;
        };
        while (top < bottom - 1 && !rowSeen(top))
            ++top;
        while (bottom > top + 1 && !rowSeen(bottom - 1))
            --bottom;
        while (left < right - 1 && !columnSeen(left))
            ++left;
        while (right > left + 1 && !columnSeen(right - 1))
            --right;
    }
    pictures_.push_back(picture.cut(left, top, right - left, bottom - top));
    places_.emplace_back(x + left, y + top);
    return int(pictures_.size()) - 1;
}

void Animation::event(const std::string& name, std::vector<int> frames, bool loops, std::vector<std::string> positionNames)
{
    events_.push_back({name, std::move(frames), loops, std::move(positionNames)});
}

bool Animation::save(const std::string& path) const
{
    CAnimo animation(nullptr);
    for (size_t i = 0; i < pictures_.size(); ++i) {
        auto* frame = new CFrame(nullptr);
        frame->copyPlanesOf(pictures_[i].picture(0, 0).get());
        frame->SetPosition(places_[i].first, places_[i].second);
        animation.appendFrame(frame);
    }
    for (const Event& event : events_) {
        _annEventInfo3 record;
        record.setName(event.name.c_str());
        record.frames.assign(event.frames.begin(), event.frames.end());
        record.fps = fps_;
        // Past the last position play goes back to the first.
        if (event.loops)
            record.loopPoint = uint16_t(event.frames.size() - 1);
        const int added = animation.AddEvent(record);
        for (size_t position = 0; position < event.positionNames.size(); ++position)
            if (_anmFrameInfo3* info = animation.GetFrameInfo(added, int(position)))
                info->name = event.positionNames[position].c_str();
    }
    animation.SetFPS(fps_);
    CFile file(nullptr, path.c_str(), CFile::BINARY);
    return file.LastError() == 0 && CAnimoWriter::write(animation, &file, COMPRESSION_RLE) && file.Close() == 0;
}
