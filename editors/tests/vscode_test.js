// Checks the installed VS Code extension folder and .vsix, and that the
// extension starts the language server:
//   node vscode_test.js <extension folder> <version> <scratch folder>
// with Vastor, Perlan and typetools-lsp on PATH and the npm packages of
// package.json installed beside this file. Prints each failure and exits
// non-zero.
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

// The folder packs without a warning, its script bundled with the language
// client; a build that packed it (VSIX names its .vsix) installed the package.
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
  'extension/LICENSE.txt', 'extension/README.md', 'extension/extension.js', 'extension/package.json',
  'extension/perlan-language-configuration.json', 'extension/syntaxes/perlan.tmLanguage.json',
  'extension/syntaxes/vastor.tmLanguage.json', 'extension/vastor-language-configuration.json']);
// The installed script holds its language client: it needs no module but
// VS Code's and Node.js's own.
const script = fs.readFileSync(path.join(folder, 'extension.js'), 'utf8');
const needed = [...script.matchAll(/\brequire\("([^"]+)"\)/g)].map(match => match[1]);
const builtin = new Set(require('module').builtinModules);
expect('modules the extension needs from outside', needed.filter(name => name !== 'vscode' &&
       !builtin.has(name.replace(/^node:/, '')) && !builtin.has(name.split('/')[0])), []);
if (!/LanguageClient = class/.test(script)) failures.push('the installed extension.js does not hold the language client');
const installed = path.join(folder, '..', `typetools-${version}.vsix`);
if (process.env.VSIX && !fs.existsSync(installed)) failures.push(`no ${installed}`);

// The extension, activated as VS Code activates it (with VS Code's module
// and the client's class standing in), asks for the language server; the
// server so started, spoken to with the client's own JSON-RPC library,
// reports broken.spec's error at its line.
function activatedClient() {
  const Module = require('module');
  const load = Module._load;
  let client;
  const settings = { 'server.path': 'typetools-lsp', checkOnSave: false, javac: '', byaccj: '', apiSources: '',
                     diagnosticsDelay: 0 };
  const vscode = { workspace: { getConfiguration: section => ({ get: key => section === 'typetools' ? settings[key] : undefined }) } };
  class LanguageClient {
    constructor(id, name, serverOptions, clientOptions) { client = { id, name, serverOptions, clientOptions }; }
    start() { return { dispose() {} }; }
    stop() {}
  }
  Module._load = function (request, ...rest) {
    return request === 'vscode' ? vscode : load.call(this, request, ...rest);
  };
  try {
    require(path.join(folder, 'extension.js')).activate({ subscriptions: [] }, { LanguageClient });
  } finally {
    Module._load = load;
  }
  return client;
}

async function serverReports(client) {
  const rpc = require(path.join(samples, '..', 'textmate', 'node_modules', 'vscode-jsonrpc', 'node'));
  const { command, args } = client.serverOptions;
  const server = require('child_process').spawn(command, args, { stdio: ['pipe', 'pipe', 'ignore'] });
  const connection = rpc.createMessageConnection(new rpc.StreamMessageReader(server.stdout),
                                                 new rpc.StreamMessageWriter(server.stdin));
  const diagnostics = new Promise(resolve => connection.onNotification('textDocument/publishDiagnostics', resolve));
  connection.listen();
  const timeout = new Promise((_, reject) => setTimeout(() => reject(new Error('no answer in 30 s')), 30000));
  const session = (async () => {
    await connection.sendRequest('initialize', { processId: null, rootUri: null, capabilities: {},
                                                 initializationOptions: client.clientOptions.initializationOptions });
    connection.sendNotification('initialized', {});
    connection.sendNotification('textDocument/didOpen', { textDocument: {
      uri: 'file:///broken.spec', languageId: client.clientOptions.documentSelector[0].language, version: 1,
      text: fs.readFileSync(path.join(samples, 'broken.spec'), 'utf8') } });
    const published = await diagnostics;
    await connection.sendRequest('shutdown');
    connection.sendNotification('exit');
    return published.diagnostics.filter(d => d.severity === 1).map(d => [d.range.start.line + 1, d.source]);
  })();
  try {
    return await Promise.race([session, timeout]);
  } finally {
    connection.dispose();
    server.kill();
  }
}

(async () => {
  const client = activatedClient();
  if (!client) {
    failures.push('the extension made no language client');
  } else {
    expect('server', client.serverOptions, { command: 'typetools-lsp', args: ['--stdio'] });
    expect('languages', client.clientOptions.documentSelector, [{ language: 'vastor' }, { language: 'perlan' }]);
    try {
      expect('the server on broken.spec', await serverReports(client), [[6, 'Vastor']]);
    } catch (error) {
      failures.push(`the server the extension starts: ${error.message}`);
    }
  }
  for (const failure of failures) console.error(`FAIL ${failure}`);
  process.exit(failures.length ? 1 : 0);
})();
