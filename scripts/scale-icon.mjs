// Scales the program's icon, drawn on a grid of whole pixels, to an app icon of SIZE pixels by a
// whole factor, so that its pixels stay sharp. With a BACKGROUND colour it is a maskable icon:
// a system may cut it to any shape that holds the circle of 80 % of its width around the
// centre, so the icon is scaled to fit that circle and stands on the colour.
//   node scale-icon.mjs IN.png OUT.png SIZE [BACKGROUND]
import { readFileSync, writeFileSync } from 'node:fs';
import { decodePng, encodePng } from './png.mjs';

const [input, output, size, background] = process.argv.slice(2);
const { width, height, rgba } = decodePng(readFileSync(input));
const side = Number(size);
let scale = Math.floor(side / Math.max(width, height));
if (background) {
  // The farthest corner of an opaque pixel from the picture's centre, in the picture's pixels.
  let reach = 0;
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      if (!rgba[(y * width + x) * 4 + 3]) continue;
      for (const [cx, cy] of [[x, y], [x + 1, y], [x, y + 1], [x + 1, y + 1]]) {
        reach = Math.max(reach, Math.hypot(cx - width / 2, cy - height / 2));
      }
    }
  }
  scale = Math.min(scale, Math.floor((0.4 * side) / reach));
}

const fill = background ? [1, 3, 5].map(i => parseInt(background.slice(i, i + 2), 16)).concat(255) : [0, 0, 0, 0];
const out = Buffer.alloc(side * side * 4);
const [left, top] = [(side - width * scale) >> 1, (side - height * scale) >> 1];
for (let y = 0; y < side; ++y) {
  for (let x = 0; x < side; ++x) {
    const [px, py] = [Math.floor((x - left) / scale), Math.floor((y - top) / scale)];
    const inside = px >= 0 && py >= 0 && px < width && py < height && rgba[(py * width + px) * 4 + 3];
    // The icon's pixels are opaque or transparent, nothing between.
    out.set(inside ? rgba.subarray((py * width + px) * 4, (py * width + px) * 4 + 4) : fill, (y * side + x) * 4);
  }
}
writeFileSync(output, encodePng(side, side, out));
