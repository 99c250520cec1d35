// Builds the page into dist/: index.html, one bundled script, the style sheet,
// the toolbar pictures and the user guide.
import { build } from 'esbuild';
import { cpSync, mkdirSync, rmSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const dist = join(here, 'dist');
rmSync(dist, { recursive: true, force: true });
mkdirSync(dist, { recursive: true });

await build({
  entryPoints: [join(here, 'src', 'main.ts')],
  bundle: true,
  format: 'iife',
  target: 'es2022',
  minify: true,
  sourcemap: true,
  outfile: join(dist, 'kora.js'),
  logLevel: 'warning',
});
cpSync(join(here, 'index.html'), join(dist, 'index.html'));
cpSync(join(here, 'src', 'style.css'), join(dist, 'style.css'));
cpSync(join(here, 'icons'), join(dist, 'icons'), { recursive: true });
cpSync(join(here, 'help'), join(dist, 'help'), { recursive: true });
console.log('built', dist);
