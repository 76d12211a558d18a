#include "OrvoMp3.h"

#include "FrameWalker.h"
#include "Id3v1Tag.h"
#include "MediaPlayer.h"
#include "MpegFrame.h"
#include "StreamLayout.h"

#include <sys/stat.h>

TOrvoMP3::TOrvoMP3(const std::string& FileName) : Player(std::make_unique<TMediaPlayer>()) {
    struct stat st {};
    if (!FileName.empty() && ::stat(FileName.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        LoadFile(FileName);
}

TOrvoMP3::~TOrvoMP3() {
    Player->Close();
}

void TOrvoMP3::LoadFile(const std::string& FileName) {
    Info = TMp3DataInfo{};
    Info.FileName = FileName;
    {
        SourceFile source(FileName);
        Info.FileSize = source.Size();
        const StreamStart start = FindFirstFrame(source);
        Info.Id3v2Size = start.id3v2Size;
        Info.ZeroPad = start.zeroPad;
        if (!start.isMp3)
            return;
        if (const auto frame = ReadFrameHeader(start.header.data())) {
            Info.Version = frame->version;
            Info.Layer = frame->layer;
            Info.Bitrate = frame->bitrate;
            Info.SampleRate = frame->sampleRate;
            Info.Padding = frame->padding;
            Info.Mono = frame->mono;
            Info.FrameSize = frame->length;
            Info.Xing = IsVbrInfoFrame(source, start.FirstFrame(), *frame);
        }
        Info.IsMp3 = true;
        const TrailingTags tags = FindTrailingTags(source);
        Info.Id3v1Size = tags.id3v1Size;
        Info.ApeSize = tags.apeSize;
        if (tags.id3v1Size != 0)
            Info.Id3Tag = DecodeId3v1Tag(tags.id3v1);
    }
    Player->SetFileName(FileName);
    Player->Open();
    Player->SetTimeFormat(tfMilliseconds);
    Info.Duration = Player->Length();
    Player->Close();
}
