// Checks the installed VS Code extension folder and .vsix:
//   node vscode_test.js <extension folder> <version> <scratch folder>
// with Vastor and Perlan on PATH and the npm packages of package.json
// installed beside this file. Prints each failure and exits non-zero.
'use strict';
const fs = require('fs');
const path = require('path');
const { spawnSync } = require('child_process');

const [folder, version, scratch] = process.argv.slice(2);
const samples = __dirname;
const failures = [];
const expect = (what, got, expected) => {
  if (JSON.stringify(got) !== JSON.stringify(expected))
    failures.push(`${what}: got ${JSON.stringify(got)}, expected ${JSON.stringify(expected)}`);
};

// The manifest names what is there, at the project's version.
const manifest = require(path.join(folder, 'package.json'));
expect('version', manifest.version, version);
for (const grammar of manifest.contributes.grammars)
  expect(grammar.path, require(path.join(folder, grammar.path)).scopeName, grammar.scopeName);
const configuration = {};
for (const language of manifest.contributes.languages)
  configuration[language.id] = require(path.join(folder, language.configuration));

// Indentation, Enter and folding markers: how each line is taken.
const table = [
  // language, line, increases the indentation, decreases it, Enter indents, folding start, end
  ['vastor', 'class list (Type) {', true, false, false, false, false],
  ['vastor', '    %{', false, false, false, true, false],
  ['vastor', '    %}', false, false, false, false, true],
  ['vastor', 'Types = {', true, false, false, false, false],
  ['vastor', '    Type f () { return null; }', false, false, false, false, false],
  ['vastor', '        return named("x",', true, false, false, false, false],
  ['vastor', '    }', false, true, false, false, false],
  ['vastor', '    // a comment with {', false, false, false, false, false],
  ['vastor', 'text', false, false, false, false, false],
  ['perlan', 'statement', false, false, true, false, false],
  ['perlan', '    : VAR IDENT', false, false, false, false, false],
  ['perlan', '        { /*< check($1);', true, false, true, true, false],
  ['perlan', '          define($1); >*/ }', false, false, false, false, true],
  ['perlan', '        { /*< check($1); >*/ }', false, false, false, false, false],
  ['perlan', '%{', false, false, false, true, false],
];
for (const [language, line, increase, decrease, enter, start, end] of table) {
  const rules = configuration[language];
  const got = [
    new RegExp(rules.indentationRules.increaseIndentPattern).test(line),
    new RegExp(rules.indentationRules.decreaseIndentPattern).test(line),
    rules.onEnterRules.some(rule => rule.action.indent === 'indent' && new RegExp(rule.beforeText).test(line)),
    new RegExp(rules.folding.markers.start).test(line),
    new RegExp(rules.folding.markers.end).test(line),
  ];
  expect(`${language} ${JSON.stringify(line)}`, got, [increase, decrease, enter, start, end]);
}

// The problem matchers on the output of the tasks: VS Code tries the
// patterns on consecutive lines; the last one may loop over the lines after.
function problems(name, lines) {
  const matcher = manifest.contributes.problemMatchers.find(m => m.name === name);
  const patterns = [].concat(matcher.pattern);
  const fill = (data, pattern, match) => {
    for (const key of ['file', 'line', 'message', 'severity'])
      if (pattern[key] !== undefined && match[pattern[key]] !== undefined && data[key] === undefined)
        data[key] = match[pattern[key]];
  };
  const found = [];
  for (let first = 0; first + patterns.length <= lines.length; first++) {
    const data = {};
    const leading = patterns.slice(0, -1).every((pattern, k) => {
      const match = new RegExp(pattern.regexp).exec(lines[first + k]);
      if (match) fill(data, pattern, match);
      return match;
    });
    if (!leading) continue;
    const last = patterns[patterns.length - 1];
    for (let at = first + patterns.length - 1; at < lines.length; at++) {
      const match = new RegExp(last.regexp).exec(lines[at]);
      if (!match) break;
      const problem = { ...data };
      fill(problem, last, match);
      if (problem.file && problem.line && problem.message) found.push(problem);
      if (!last.loop) break;
    }
  }
  return found.map(p => [p.file, Number(p.line), p.message.slice(0, 12)]);
}

function taskOutput(tool, fixture, extra) {
  const work = path.join(scratch, tool);
  fs.mkdirSync(work, { recursive: true });
  const file = path.join(work, 'broken ' + fixture);
  fs.copyFileSync(path.join(samples, fixture), file);
  const run = spawnSync(tool, [file].concat(extra), { cwd: work, encoding: 'latin1' });
  return { file, lines: [`${tool} ${file}`].concat((run.stdout + run.stderr).split('\n')) };
}
const vastor = taskOutput('Vastor', 'broken.spec', []);
expect('$vastor', problems('vastor', vastor.lines), [[vastor.file, 6, 'method int f']]);
const perlan = taskOutput('Perlan', 'broken.yt', ['out.y']);
expect('$perlan', problems('perlan', perlan.lines), [[perlan.file, 2, '2st section ']]);
expect('$perlan, echoed by cmd.exe', problems('perlan', [`"Perlan C:\\g.yt"`, 'Scanner error( line 9 ):end-of-file found']),
       [['C:\\g.yt', 9, 'end-of-file ']]);
expect('$typetools', problems('typetools', [
  '/home/me/calc/src/main/vastor/types.spec:97: error: Semantic error: la clase broken no ha sido',
  '/home/me/calc/src/main/vastor/types.spec: warning: Definition of BaseType.boolean equalsTo (Type)']),
  [['/home/me/calc/src/main/vastor/types.spec', 97, 'Semantic err']]);

// The folder packs without a warning; a build that packed it (VSIX names
// its .vsix) installed the package.
const vsce = path.join(samples, 'node_modules', '.bin', 'vsce');
const packed = path.join(scratch, 'packed.vsix');
const pack = spawnSync(vsce, ['package', '--no-dependencies', '--out', packed],
                       { cwd: folder, encoding: 'utf8', input: '' });
if (pack.status !== 0 || /WARNING/.test(pack.stdout + pack.stderr))
  failures.push(`vsce package: ${pack.stdout}${pack.stderr}`);
// The names in the zip's central directory (entries signed PK 1 2).
const zip = fs.readFileSync(packed);
const listing = [];
for (let at = zip.indexOf('PK\x01\x02'); at >= 0; at = zip.indexOf('PK\x01\x02', at + 46)) {
  const length = zip.readUInt16LE(at + 28);
  listing.push(zip.toString('utf8', at + 46, at + 46 + length));
}
listing.sort();
expect('.vsix entries', listing.filter(name => name.startsWith('extension/')), [
  'extension/LICENSE.txt', 'extension/README.md', 'extension/package.json',
  'extension/perlan-language-configuration.json', 'extension/syntaxes/perlan.tmLanguage.json',
  'extension/syntaxes/vastor.tmLanguage.json', 'extension/vastor-language-configuration.json']);
const installed = path.join(folder, '..', `typetools-${version}.vsix`);
if (process.env.VSIX && !fs.existsSync(installed)) failures.push(`no ${installed}`);

for (const failure of failures) console.error(`FAIL ${failure}`);
process.exit(failures.length ? 1 : 0);
