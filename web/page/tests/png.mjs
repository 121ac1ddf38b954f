// PNG pictures for the browser tests, read with Node's zlib: 8-bit grey, RGB, palette and RGBA,
// not interlaced. And the comparison of two pictures after blurring both by one pixel.
import { inflateSync } from "node:zlib";

// { width, height, rgba } with 4 bytes a pixel.
export function decodePng(bytes) {
  if (bytes.readUInt32BE(0) !== 0x89504e47) throw new Error("kein PNG");
  let offset = 8;
  let header;
  let palette;
  const data = [];
  while (offset < bytes.length) {
    const length = bytes.readUInt32BE(offset);
    const type = bytes.toString("latin1", offset + 4, offset + 8);
    const body = bytes.subarray(offset + 8, offset + 8 + length);
    if (type === "IHDR") {
      header = { width: body.readUInt32BE(0), height: body.readUInt32BE(4), depth: body[8], colour: body[9], interlace: body[12] };
    } else if (type === "PLTE") palette = body;
    else if (type === "IDAT") data.push(body);
    else if (type === "IEND") break;
    offset += 12 + length;
  }
  const { width, height, depth, colour, interlace } = header;
  const channels = { 0: 1, 2: 3, 3: 1, 6: 4 }[colour];
  if (depth !== 8 || interlace !== 0 || channels === undefined) throw new Error(`PNG-Art ${colour}/${depth} nicht gelesen`);
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const rows = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; ++i) {
      const left = i >= channels ? rows[y * stride + i - channels] : 0;
      const up = y > 0 ? rows[(y - 1) * stride + i] : 0;
      const corner = y > 0 && i >= channels ? rows[(y - 1) * stride + i - channels] : 0;
      let value = line[i];
      if (filter === 1) value += left;
      else if (filter === 2) value += up;
      else if (filter === 3) value += (left + up) >> 1;
      else if (filter === 4) {
        const p = left + up - corner;
        const [pa, pb, pc] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - corner)];
        value += pa <= pb && pa <= pc ? left : pb <= pc ? up : corner;
      }
      rows[y * stride + i] = value & 0xff;
    }
  }
  const rgba = Buffer.alloc(width * height * 4);
  for (let p = 0; p < width * height; ++p) {
    const at = p * channels;
    const rgb =
      colour === 0 ? [rows[at], rows[at], rows[at]]
      : colour === 3 ? [palette[rows[at] * 3], palette[rows[at] * 3 + 1], palette[rows[at] * 3 + 2]]
      : [rows[at], rows[at + 1], rows[at + 2]];
    rgba.set([...rgb, colour === 6 ? rows[at + 3] : 255], p * 4);
  }
  return { width, height, rgba };
}

// The brightness of each pixel (on white), averaged over its 3x3 neighbourhood.
function blurred({ width, height, rgba }) {
  const grey = new Float32Array(width * height);
  for (let p = 0; p < width * height; ++p) {
    const a = rgba[p * 4 + 3] / 255;
    grey[p] = (rgba[p * 4] * 0.3 + rgba[p * 4 + 1] * 0.59 + rgba[p * 4 + 2] * 0.11) * a + 255 * (1 - a);
  }
  const out = new Float32Array(width * height);
  for (let y = 0; y < height; ++y)
    for (let x = 0; x < width; ++x) {
      let sum = 0;
      let count = 0;
      for (let dy = -1; dy <= 1; ++dy)
        for (let dx = -1; dx <= 1; ++dx) {
          const [nx, ny] = [x + dx, y + dy];
          if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
          sum += grey[ny * width + nx];
          ++count;
        }
      out[y * width + x] = sum / count;
    }
  return out;
}

// Brightness steps (of 255) at which two blurred pixels differ: a line of one pixel missing or moved
// changes its blurred neighbourhood by about a third of its darkness; the rasterisers' different
// smoothing of crowded lines stays below.
const kUnlike = 64;

// The share of pixels that differ between two pictures of the same size, both blurred by a pixel.
export function differingShare(a, b) {
  if (a.width !== b.width || a.height !== b.height)
    throw new Error(`Größen ${a.width}x${a.height} und ${b.width}x${b.height}`);
  const [ga, gb] = [blurred(a), blurred(b)];
  let differing = 0;
  for (let i = 0; i < ga.length; ++i) if (Math.abs(ga[i] - gb[i]) > kUnlike) ++differing;
  return differing / ga.length;
}
