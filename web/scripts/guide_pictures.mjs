// Copies the screenshots that the browser tests take (npm test) into the
// user guide's picture folder, under the names the guide uses.
import { copyFileSync, existsSync, mkdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const shots = resolve(web, '..', 'test-output', 'screenshots');
const target = join(web, 'help', 'img');

// screenshot -> picture of the guide
const pictures = {
  '01-open-file-dialog.png': 'open-file.png',
  '02-nile-main-plot.png': 'main-plot.png',
  '03-acf-pacf.png': 'acf-pacf.png',
  '04-zoom-rectangle.png': 'zoom-rectangle.png',
  '06-limits-error.png': 'plot-limits.png',
  '08-multivariate.png': 'multivariate.png',
  '09-duplicate.png': 'duplicate.png',
  '12-keyboard-menu.png': 'keyboard-menu.png',
  '14-right-button-popup.png': 'right-button.png',
};

mkdirSync(target, { recursive: true });
let missing = 0;
for (const [shot, picture] of Object.entries(pictures)) {
  const from = join(shots, shot);
  if (!existsSync(from)) {
    console.error(`missing ${from}: run npm test first`);
    missing++;
    continue;
  }
  copyFileSync(from, join(target, picture));
  console.log(`${picture} <- ${shot}`);
}
process.exit(missing ? 1 : 0);
