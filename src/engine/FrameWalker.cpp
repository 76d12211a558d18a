#include "FrameWalker.h"

bool IsVbrInfoFrame(SourceFile& source, std::int64_t framePos, const FrameInfo& frame) {
    const std::uint8_t* xing = source.Bytes(framePos + XingMarkerOffset(frame), 4);
    if (xing != nullptr && IsXingMarker(xing))
        return true;
    const std::uint8_t* vbri = source.Bytes(framePos + VbriMarkerOffset, 4);
    return vbri != nullptr && IsVbriMarker(vbri);
}

StreamUnit FrameWalker::StepFrame() {
    const std::int64_t start = position;
    const std::uint8_t* head = source.Bytes(start, 4);
    if (head == nullptr)
        return EndAudio(start);
    if (head[0] == 0xFF) {
        if (const auto frame = ReadFrameHeader(head)) {
            if (start + frame->length > audioEnd)
                return EndAudio(start);
            position = start + frame->length;
            if (IsVbrInfoFrame(source, start, *frame))
                return {start};
            const std::uint8_t* bytes = source.Bytes(start, frame->length);
            if (bytes == nullptr)
                return EndAudio(start);
            return {start, frame->length, frame->duration, bytes};
        }
    } else if (IsId3v2Header(head)) {
        const std::uint8_t* tagHeader = source.Bytes(start, Id3v2HeaderSize);
        if (tagHeader == nullptr)
            return EndAudio(start);
        position = start + Id3v2HeaderSize + Id3v2TagSize(tagHeader);
        return {start};
    }
    position = start + 4;
    return {start};
}
