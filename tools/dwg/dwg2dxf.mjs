// Writes a DWG drawing as DXF: node dwg2dxf.mjs IN.dwg OUT.dxf
// LibreDWG (GPL-3.0, see COPYING) does the work; it runs in this process of
// its own so that the drawing library never loads it and a crash stays here.
import { LibreDwg } from '@mlightcad/libredwg-web';
import { readFileSync, writeFileSync } from 'node:fs';

// Some drawings come out with a garbled spatial index of a hundred megabytes;
// an index is a cache that programs rebuild, so none is kept.
function withoutRecords(dxf, type) {
  const start = Buffer.from(`\n  0\r\n${type}\r\n`);
  const next = Buffer.from('\n  0\r\n');
  const parts = [];
  let from = 0;
  for (let at = dxf.indexOf(start); at >= 0; at = dxf.indexOf(start, from)) {
    parts.push(dxf.subarray(from, at));
    const end = dxf.indexOf(next, at + start.length);
    from = end < 0 ? dxf.length : end;
  }
  parts.push(dxf.subarray(from));
  return parts.length === 1 ? dxf : Buffer.concat(parts);
}

const [input, output] = process.argv.slice(2);
if (!input || !output) {
  process.stderr.write('usage: node dwg2dxf.mjs IN.dwg OUT.dxf\n');
  process.exit(2);
}
// The converter's runtime copies the program's arguments into its memory, and
// some drawings make it read memory it never wrote: with the same arguments
// wherever it runs, a drawing converts to the same bytes everywhere.
process.argv = [process.argv[0], 'dwg2dxf'];
try {
  const libredwg = await LibreDwg.create();
  const bytes = readFileSync(input);
  // The converter reports its own errors on standard output: keep that for ours.
  console.log = (...args) => process.stderr.write(args.join(' ') + '\n');
  const dxf = libredwg.dwg_write_dxf(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.byteLength));
  if (!dxf || dxf.length === 0) throw new Error('the converter wrote no DXF');
  writeFileSync(output, withoutRecords(Buffer.from(dxf.buffer, dxf.byteOffset, dxf.length), 'SPATIAL_INDEX'));
  // The converter's runtime keeps the process alive for seconds after the work is done.
  process.exit(0);
} catch (error) {
  process.stderr.write(`${error && error.message ? error.message : error}\n`);
  process.exit(1);
}
