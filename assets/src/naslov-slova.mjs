// Turns the title's word into outlines inside naslov.svg, so that rendering the
// title needs no font on the machine. Run by `tools/render-artwork.sh --outlines`
// with opentype.js and @fontsource/lobster installed next to it (NODE_PATH).
//
// Lobster has a Serbian form of "г" (the italic one with the bar on top); it is
// picked by the font's own 'locl' rule for Serbian, applied here by hand because
// opentype.js does not apply it.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';

const require = createRequire(path.join(process.env.NODE_PATH || '.', 'x.js'));
const opentype = require('opentype.js');
const fontDir = path.dirname(require.resolve('@fontsource/lobster/package.json'));

const svgPath = process.argv[2];
const word = 'Лингвар';
const size = 112;   // px; the SVG places the word with a transform

const cyr = opentype.loadSync(path.join(fontDir, 'files/lobster-cyrillic-400-normal.woff'));
const lat = opentype.loadSync(path.join(fontDir, 'files/lobster-latin-400-normal.woff'));

function coverageIndex(cov, g) {
    if (cov.format === 1) return cov.glyphs.indexOf(g);
    for (const r of cov.ranges) if (g >= r.start && g <= r.end) return r.index + g - r.start;
    return -1;
}

function serbianForms(font, glyphs) {
    const gsub = font.tables.gsub;
    const cyrl = gsub.scripts.find(s => s.tag === 'cyrl');
    const srb = cyrl && cyrl.script.langSysRecords.find(l => l.tag === 'SRB ');
    if (!srb) throw new Error('the font has no Serbian forms');
    for (const fi of srb.langSys.featureIndexes) {
        const feature = gsub.features[fi];
        if (feature.tag !== 'locl') continue;
        for (const li of feature.feature.lookupListIndexes) {
            const lookup = gsub.lookups[li];
            if (lookup.lookupType !== 1) continue;
            for (const st of lookup.subtables) {
                glyphs = glyphs.map(g => {
                    const i = coverageIndex(st.coverage, g);
                    if (i < 0) return g;
                    return st.substFormat === 1 ? g + st.deltaGlyphId : st.substitute[i];
                });
            }
        }
    }
    return glyphs;
}

const ids = serbianForms(cyr, [...word].map(ch => cyr.charToGlyph(ch).index));
const scale = size / cyr.unitsPerEm;
let x = 0;
const letters = [];
ids.forEach((id, i) => {
    const g = cyr.glyphs.get(id);
    letters.push(`      <path d="${g.getPath(x, 0, size).toPathData(1)}"/>`);
    const kern = i + 1 < ids.length ? cyr.getKerningValue(id, ids[i + 1]) : 0;
    x += (g.advanceWidth + kern) * scale;
});
const two = lat.charToGlyph('2').getPath(0, 0, 34).toPathData(1);

const block = [
    '<!-- outlines: begin (written by naslov-slova.mjs) -->',
    `    <g id="slova"><!-- "${word}", Lobster ${size} px, baseline at y=0, ${x.toFixed(1)} px wide -->`,
    ...letters,
    '    </g>',
    `    <path id="dvojka" d="${two}"/><!-- "2", Lobster 34 px -->`,
    '    <!-- outlines: end -->',
].join('\n');

const svg = fs.readFileSync(svgPath, 'utf8');
const re = /<!-- outlines: begin[\s\S]*?<!-- outlines: end -->/;
if (!re.test(svg)) throw new Error(`${svgPath} has no outline markers`);
fs.writeFileSync(svgPath, svg.replace(re, block));
