#!/usr/bin/env node
// Converts an XPM picture (one character per pixel, "None" for transparent) to a PNG file
// with the same pixels: node scripts/xpm-to-png.mjs in.xpm out.png
import { readFileSync, writeFileSync } from 'node:fs';
import { deflateSync } from 'node:zlib';

const [input, output] = process.argv.slice(2);
const lines = [...readFileSync(input, 'latin1').matchAll(/"([^"]*)"/g)].map(m => m[1]);
const [width, height, colours, perPixel] = lines[0].trim().split(/\s+/).map(Number);

const palette = new Map();
for (const line of lines.slice(1, 1 + colours)) {
  const key = line.slice(0, perPixel);
  const value = line.slice(perPixel).trim().match(/c\s+(\S+)/)[1];
  palette.set(key, value.toLowerCase() === 'none'
    ? [0, 0, 0, 0]
    : [1, 3, 5].map(i => parseInt(value.slice(i, i + 2), 16)).concat(255));
}

const raw = Buffer.alloc(height * (1 + width * 4));
lines.slice(1 + colours, 1 + colours + height).forEach((row, y) => {
  raw[y * (1 + width * 4)] = 0;  // no filter
  for (let x = 0; x < width; ++x) {
    const rgba = palette.get(row.slice(x * perPixel, (x + 1) * perPixel));
    raw.set(rgba, y * (1 + width * 4) + 1 + x * 4);
  }
});

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
const header = Buffer.alloc(13);
header.writeUInt32BE(width, 0);
header.writeUInt32BE(height, 4);
header.set([8, 6, 0, 0, 0], 8);  // 8 bits per channel, RGBA
writeFileSync(output, Buffer.concat([
  Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
  chunk('IHDR', header),
  chunk('IDAT', deflateSync(raw, { level: 9 })),
  chunk('IEND', Buffer.alloc(0)),
]));
