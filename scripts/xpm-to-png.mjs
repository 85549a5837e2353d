#!/usr/bin/env node
// Converts an XPM picture (one character per pixel, "None" for transparent) to a PNG file
// with the same pixels: node scripts/xpm-to-png.mjs in.xpm out.png
import { readFileSync, writeFileSync } from 'node:fs';
import { encodePng } from './png.mjs';

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

const rgba = Buffer.alloc(width * height * 4);
lines.slice(1 + colours, 1 + colours + height).forEach((row, y) => {
  for (let x = 0; x < width; ++x) {
    rgba.set(palette.get(row.slice(x * perPixel, (x + 1) * perPixel)), (y * width + x) * 4);
  }
});
writeFileSync(output, encodePng(width, height, rgba));
