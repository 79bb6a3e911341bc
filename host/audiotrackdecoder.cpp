#include "host/audiotrackdecoder.h"

#include <QFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libswresample/swresample.h>
}

#include <cstring>

namespace {
AVSampleFormat avFormat(AudioTrackDecoder::SampleFormat format)
{
    switch (format) {
    case AudioTrackDecoder::SampleFormat::UInt8:
        return AV_SAMPLE_FMT_U8;
    case AudioTrackDecoder::SampleFormat::Int16:
        return AV_SAMPLE_FMT_S16;
    case AudioTrackDecoder::SampleFormat::Int32:
        return AV_SAMPLE_FMT_S32;
    case AudioTrackDecoder::SampleFormat::Float:
        return AV_SAMPLE_FMT_FLT;
    }
    return AV_SAMPLE_FMT_S16;
}

QString tag(AVDictionary *metadata, const char *key)
{
    const AVDictionaryEntry *entry = av_dict_get(metadata, key, nullptr, 0);
    return entry ? QString::fromUtf8(entry->value) : QString();
}
} // namespace

AudioTrackDecoder::AudioTrackDecoder() = default;

AudioTrackDecoder::~AudioTrackDecoder()
{
    close();
}

bool AudioTrackDecoder::open(const QString &path)
{
    close();
    // The container's header names the tracks; a short look keeps the start quick.
    AVDictionary *options = nullptr;
    av_dict_set(&options, "probesize", "1000000", 0);
    av_dict_set(&options, "analyzeduration", "500000", 0);
    const int opened = avformat_open_input(&m_format, QFile::encodeName(path).constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0) {
        m_format = nullptr;
        return false;
    }
    if (avformat_find_stream_info(m_format, nullptr) < 0) {
        close();
        return false;
    }
    for (unsigned i = 0; i < m_format->nb_streams; ++i) {
        AVStream *stream = m_format->streams[i];
        stream->discard = AVDISCARD_ALL;
        if (stream->codecpar->codec_type != AVMEDIA_TYPE_AUDIO
            || !avcodec_find_decoder(stream->codecpar->codec_id))
            continue;
        Track track;
        track.stream = int(i);
        track.language = tag(stream->metadata, "language");
        track.title = tag(stream->metadata, "title");
        track.isDefault = (stream->disposition & AV_DISPOSITION_DEFAULT) != 0;
        m_tracks.append(track);
    }
    m_packet = av_packet_alloc();
    m_frame = av_frame_alloc();
    return m_packet && m_frame;
}

void AudioTrackDecoder::close()
{
    closeCodec();
    av_packet_free(&m_packet);
    av_frame_free(&m_frame);
    avformat_close_input(&m_format);
    m_tracks.clear();
}

void AudioTrackDecoder::closeCodec()
{
    avcodec_free_context(&m_codec);
    swr_free(&m_resampler);
    if (m_format && m_selected >= 0)
        m_format->streams[m_tracks.at(m_selected).stream]->discard = AVDISCARD_ALL;
    m_selected = -1;
    m_pending.clear();
    m_pendingRead = 0;
    m_clockUs = 0;
    m_seekTargetUs = -1;
    m_draining = false;
    m_ended = false;
}

bool AudioTrackDecoder::select(int track, int sampleRate, int channels, SampleFormat format)
{
    closeCodec();
    if (!m_format || track < 0 || track >= m_tracks.size() || sampleRate <= 0 || channels <= 0)
        return false;
    AVStream *stream = m_format->streams[m_tracks.at(track).stream];
    const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
    m_codec = avcodec_alloc_context3(codec);
    if (!m_codec || avcodec_parameters_to_context(m_codec, stream->codecpar) < 0
        || avcodec_open2(m_codec, codec, nullptr) < 0) {
        closeCodec();
        return false;
    }
    AVChannelLayout out {};
    av_channel_layout_default(&out, channels);
    AVChannelLayout in {};
    if (av_channel_layout_check(&m_codec->ch_layout))
        av_channel_layout_copy(&in, &m_codec->ch_layout);
    else
        av_channel_layout_default(&in, qMax(1, m_codec->ch_layout.nb_channels));
    const int made = swr_alloc_set_opts2(&m_resampler, &out, avFormat(format), sampleRate, &in,
        m_codec->sample_fmt, m_codec->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&in);
    av_channel_layout_uninit(&out);
    if (made < 0 || swr_init(m_resampler) < 0) {
        closeCodec();
        return false;
    }
    m_selected = track;
    m_rate = sampleRate;
    m_bytesPerFrame = channels * av_get_bytes_per_sample(avFormat(format));
    // Only this track's packets are read; the picture's are skipped.
    stream->discard = AVDISCARD_DEFAULT;
    return seek(0);
}

int AudioTrackDecoder::decodedStream() const
{
    return m_selected >= 0 ? m_tracks.at(m_selected).stream : -1;
}

bool AudioTrackDecoder::seek(qint64 ms)
{
    if (m_selected < 0)
        return false;
    ms = qMax<qint64>(0, ms);
    AVStream *stream = m_format->streams[m_tracks.at(m_selected).stream];
    const int64_t target = av_rescale_q(ms * 1000, AVRational { 1, 1000000 }, stream->time_base);
    const bool sought = av_seek_frame(m_format, stream->index, target, AVSEEK_FLAG_BACKWARD) >= 0
        || av_seek_frame(m_format, stream->index, target, AVSEEK_FLAG_ANY) >= 0;
    avcodec_flush_buffers(m_codec);
    swr_close(m_resampler);
    swr_init(m_resampler);
    m_pending.clear();
    m_pendingRead = 0;
    m_clockUs = ms * 1000;
    m_seekTargetUs = ms * 1000;
    m_draining = false;
    m_ended = false;
    return sought;
}

qint64 AudioTrackDecoder::read(char *data, qint64 maxBytes)
{
    if (m_selected < 0 || m_bytesPerFrame <= 0)
        return 0;
    maxBytes -= maxBytes % m_bytesPerFrame;
    // What was read goes before more is decoded, or a film would pile up here.
    if (m_pendingRead > 0) {
        m_pending.remove(0, m_pendingRead);
        m_pendingRead = 0;
    }
    while (m_pending.size() - m_pendingRead < maxBytes && decodeMore()) { }
    const qint64 bytes = qMin<qint64>(maxBytes, m_pending.size() - m_pendingRead);
    if (bytes <= 0)
        return 0;
    std::memcpy(data, m_pending.constData() + m_pendingRead, size_t(bytes));
    m_pendingRead += bytes;
    m_clockUs += bytes / m_bytesPerFrame * 1000000 / m_rate;
    if (m_pendingRead == m_pending.size()) {
        m_pending.clear();
        m_pendingRead = 0;
    }
    return bytes;
}

bool AudioTrackDecoder::decodeMore()
{
    while (!m_ended) {
        const int received = avcodec_receive_frame(m_codec, m_frame);
        if (received >= 0) {
            append(m_frame);
            av_frame_unref(m_frame);
            return true;
        }
        if (received != AVERROR(EAGAIN)) {
            m_ended = true;
            break;
        }
        if (m_draining) {
            m_ended = true;
            break;
        }
        const int read = av_read_frame(m_format, m_packet);
        if (read < 0) {
            m_draining = true;
            avcodec_send_packet(m_codec, nullptr);
            continue;
        }
        if (m_packet->stream_index == decodedStream())
            avcodec_send_packet(m_codec, m_packet); // a damaged packet is skipped
        av_packet_unref(m_packet);
    }
    return false;
}

void AudioTrackDecoder::append(AVFrame *frame)
{
    const AVStream *stream = m_format->streams[decodedStream()];
    const int64_t pts
        = frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
    const qint64 startUs
        = pts != AV_NOPTS_VALUE ? av_rescale_q(pts, stream->time_base, AVRational { 1, 1000000 }) : m_clockUs;
    const qint64 lengthUs = qint64(frame->nb_samples) * 1000000 / qMax(1, frame->sample_rate);
    if (m_seekTargetUs >= 0 && startUs + lengthUs <= m_seekTargetUs)
        return;

    const int room = swr_get_out_samples(m_resampler, frame->nb_samples);
    if (room <= 0)
        return;
    const qint64 before = m_pending.size();
    m_pending.resize(before + qint64(room) * m_bytesPerFrame);
    auto *out = reinterpret_cast<uint8_t *>(m_pending.data() + before);
    const int converted = swr_convert(
        m_resampler, &out, room, const_cast<const uint8_t **>(frame->extended_data), frame->nb_samples);
    m_pending.resize(before + qint64(qMax(0, converted)) * m_bytesPerFrame);

    if (m_seekTargetUs >= 0) {
        // The first frame after a seek may start before the target: its head goes.
        const qint64 skip = qMax<qint64>(0, (m_seekTargetUs - startUs) * m_rate / 1000000) * m_bytesPerFrame;
        m_pending.remove(before, qMin<qint64>(skip, m_pending.size() - before));
        m_clockUs = qMax(startUs, m_seekTargetUs);
        m_seekTargetUs = -1;
    } else if (before == m_pendingRead) {
        m_clockUs = startUs;
    }
}
