#include "transfer/mpeg4stream.h"

#include <algorithm>

namespace Zarnet {

namespace {

constexpr int VisualObjectCode = 0xB5;
constexpr int VopCode = 0xB6;
constexpr int FirstVolCode = 0x20;
constexpr int LastVolCode = 0x2F;

enum Shape { Rectangular, Binary, BinaryOnly, Grayscale };
enum Sprite { NoSprite, StaticSprite, GmcSprite };
enum VopType { IVop, PVop, BVop, SVop };

// Reads past the end as zeros and remembers that it did.
class BitReader
{
public:
    BitReader(const uchar *data, int size)
        : m_data(data)
        , m_bits(qint64(size) * 8)
    {
    }
    quint32 read(int count)
    {
        quint32 value = 0;
        for (int i = 0; i < count; ++i) {
            value <<= 1;
            if (m_position < m_bits)
                value |= (m_data[m_position >> 3] >> (7 - (m_position & 7))) & 1;
            else
                m_overrun = true;
            ++m_position;
        }
        return value;
    }
    bool flag() { return read(1) != 0; }
    bool overrun() const { return m_overrun; }

private:
    const uchar *m_data;
    qint64 m_bits;
    qint64 m_position = 0;
    bool m_overrun = false;
};

int bitsFor(quint32 resolution)
{
    int bits = 1;
    while (bits < 16 && (quint32(1) << bits) < resolution)
        ++bits;
    return bits;
}

// A matrix ends early at a zero; the rest repeats the last value.
void skipQuantMatrix(BitReader &bits)
{
    for (int i = 0; i < 64 && !bits.overrun(); ++i) {
        if (bits.read(8) == 0)
            return;
    }
}

struct Vol
{
    bool read = false;
    int width = 0;
    int height = 0;
    int sprite = NoSprite;
    bool qpel = false;
    int timeBits = 0;
};

Vol readVol(BitReader &bits, int objectVerid)
{
    Vol vol;
    bits.read(1); // random_accessible_vol
    bits.read(8); // video_object_type_indication
    int verid = objectVerid;
    if (bits.flag()) {
        verid = int(bits.read(4));
        bits.read(3); // priority
    }
    if (bits.read(4) == 15) // extended pixel aspect ratio
        bits.read(16);
    if (bits.flag()) { // vol_control_parameters
        bits.read(3); // chroma_format, low_delay
        if (bits.flag()) // vbv_parameters with their markers
            bits.read(79);
    }
    const int shape = int(bits.read(2));
    if (shape == Grayscale)
        return vol; // not ASP; its auxiliary components are not worth reading
    bits.read(1);
    const quint32 resolution = bits.read(16);
    bits.read(1);
    vol.timeBits = bitsFor(resolution);
    if (bits.flag()) // fixed_vop_rate
        bits.read(vol.timeBits);
    if (shape != BinaryOnly) {
        if (shape == Rectangular) {
            bits.read(1);
            vol.width = int(bits.read(13));
            bits.read(1);
            vol.height = int(bits.read(13));
            bits.read(1);
        }
        bits.read(2); // interlaced, obmc_disable
        vol.sprite = int(bits.read(verid == 1 ? 1 : 2));
        if (vol.sprite == StaticSprite || vol.sprite == GmcSprite) {
            if (vol.sprite == StaticSprite)
                bits.read(4 * 14); // width, height, left, top, each with a marker
            bits.read(9); // warping points, accuracy, brightness change
            if (vol.sprite == StaticSprite)
                bits.read(1); // low_latency_sprite_enable
        }
        if (verid != 1 && shape != Rectangular)
            bits.read(1); // sadct_disable
        if (bits.flag()) // not_8_bit
            bits.read(8);
        if (bits.flag()) { // quant_type
            if (bits.flag())
                skipQuantMatrix(bits);
            if (bits.flag())
                skipQuantMatrix(bits);
        }
        if (verid != 1)
            vol.qpel = bits.flag();
    }
    vol.read = !bits.overrun();
    return vol;
}

// Not coded (a packed stream's placeholder, a dropped frame): shown as the
// one before, so it neither breaks nor extends a run.
bool vopCoded(BitReader &bits, int timeBits)
{
    for (int i = 0; i < 64 && bits.flag(); ++i) { } // modulo_time_base
    bits.read(1);
    bits.read(timeBits);
    bits.read(1);
    return bits.flag() || bits.overrun();
}

} // namespace

Mpeg4Stream Mpeg4Stream::parse(const QByteArray &bytes)
{
    Mpeg4Stream stream;
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const int size = int(bytes.size());
    const auto nextStart = [&](int from) {
        for (int i = from; i + 3 < size; ++i) {
            if (data[i + 2] > 1)
                i += 2; // no start code can begin before it
            else if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 1)
                return i;
        }
        return size;
    };
    int objectVerid = 1;
    int timeBits = 0; // unknown before a VOL: every VOP counts as coded
    int run = 0;
    for (int at = nextStart(0); at < size;) {
        const int code = data[at + 3];
        const int next = nextStart(at + 4);
        BitReader bits(data + at + 4, next - at - 4);
        if (code == VisualObjectCode) {
            objectVerid = bits.flag() ? int(bits.read(4)) : 1;
        } else if (code >= FirstVolCode && code <= LastVolCode) {
            const Vol vol = readVol(bits, objectVerid);
            if (vol.read) {
                stream.hasVol = true;
                stream.width = vol.width;
                stream.height = vol.height;
                stream.qpel = stream.qpel || vol.qpel;
                stream.gmc = stream.gmc || vol.sprite != NoSprite;
                timeBits = vol.timeBits;
            }
        } else if (code == VopCode) {
            const quint32 type = bits.read(2);
            if (timeBits == 0 || vopCoded(bits, timeBits)) {
                ++stream.vops;
                run = type == BVop ? run + 1 : 0;
                stream.longestBRun = std::max(stream.longestBRun, run);
                stream.gmc = stream.gmc || type == SVop;
            }
        }
        at = next;
    }
    return stream;
}

} // namespace Zarnet
