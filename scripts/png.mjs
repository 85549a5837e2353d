// PNG files of 8-bit pixels, as the build writes its pictures and draw-pictures.py its icons.
import { deflateSync, inflateSync } from 'node:zlib';

const signature = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);

const crcTable = Array.from({ length: 256 }, (_, n) => {
  for (let k = 0; k < 8; ++k) n = n & 1 ? 0xedb88320 ^ (n >>> 1) : n >>> 1;
  return n >>> 0;
});
const crc32 = bytes => {
  let c = 0xffffffff;
  for (const b of bytes) c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
};
const chunk = (type, data) => {
  const body = Buffer.concat([Buffer.from(type, 'latin1'), data]);
  const framed = Buffer.alloc(body.length + 8);
  framed.writeUInt32BE(data.length, 0);
  body.copy(framed, 4);
  framed.writeUInt32BE(crc32(body), body.length + 4);
  return framed;
};

// rgba: width * height pixels of 4 bytes, row by row. A picture of 256 colours or fewer, as
// every picture and icon of the page is, is written with a palette: a byte a pixel, not four.
export function encodePng(width, height, rgba) {
  const palette = new Map();
  for (let at = 0; at < rgba.length && palette.size <= 256; at += 4) {
    const colour = rgba.readUInt32BE(at);
    if (!palette.has(colour)) palette.set(colour, palette.size);
  }
  const indexed = palette.size <= 256;
  const perPixel = indexed ? 1 : 4;
  const raw = Buffer.alloc(height * (1 + width * perPixel));
  for (let y = 0; y < height; ++y) {
    const row = y * (1 + width * perPixel) + 1;
    if (!indexed) rgba.copy(raw, row, y * width * 4, (y + 1) * width * 4);
    else for (let x = 0; x < width; ++x) raw[row + x] = palette.get(rgba.readUInt32BE((y * width + x) * 4));
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header.set([8, indexed ? 3 : 6, 0, 0, 0], 8);  // 8 bits, a palette or RGBA, no interlace
  const colours = [...palette.keys()];
  const extra = indexed ? [chunk('PLTE', Buffer.from(colours.flatMap(c => [c >>> 24, (c >>> 16) & 0xff, (c >>> 8) & 0xff]))),
                           chunk('tRNS', Buffer.from(colours.map(c => c & 0xff)))] : [];
  return Buffer.concat([signature, chunk('IHDR', header), ...extra, chunk('IDAT', deflateSync(raw, { level: 9 })),
                        chunk('IEND', Buffer.alloc(0))]);
}

export function decodePng(file) {
  const chunks = [];
  for (let at = signature.length; at < file.length; at += 12 + file.readUInt32BE(at)) {
    chunks.push([file.toString('latin1', at + 4, at + 8), file.subarray(at + 8, at + 8 + file.readUInt32BE(at))]);
  }
  const header = chunks.find(([type]) => type === 'IHDR')[1];
  const [width, height] = [header.readUInt32BE(0), header.readUInt32BE(4)];
  if (!signature.equals(file.subarray(0, 8)) || !header.subarray(8).equals(Buffer.from([8, 6, 0, 0, 0]))) {
    throw new Error('not an 8-bit RGBA PNG without interlace');
  }
  const raw = inflateSync(Buffer.concat(chunks.filter(([type]) => type === 'IDAT').map(([, data]) => data)));
  // Each row undoes its filter against the row above, byte by byte (a pixel is 4 bytes).
  const stride = width * 4, rgba = Buffer.alloc(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    for (let i = 0; i < stride; ++i) {
      const left = i >= 4 ? rgba[y * stride + i - 4] : 0, up = y ? rgba[(y - 1) * stride + i] : 0;
      const upLeft = i >= 4 && y ? rgba[(y - 1) * stride + i - 4] : 0;
      const p = left + up - upLeft, [pa, pb, pc] = [p - left, p - up, p - upLeft].map(Math.abs);
      const predicted = [0, left, up, (left + up) >> 1, pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft][filter];
      rgba[y * stride + i] = raw[y * (stride + 1) + 1 + i] + predicted;
    }
  }
  return { width, height, rgba };
}
