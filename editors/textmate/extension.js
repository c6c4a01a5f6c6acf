// Starts the project's language server, typetools-lsp, for Vastor type
// specifications and Perlan grammars: errors as you type, outline, go to
// definition and references, hover, folding and completion. The settings
// under "typetools" go to the server at start and whenever they change.
//
// The build bundles this file with its language client (esbuild) into the
// extension.js that the extension ships.
'use strict';
const vscode = require('vscode');

let client;

// `library` is the language client's module; VS Code passes only the
// context, a test may pass a stand-in.
function activate(context, library = require('vscode-languageclient/node')) {
  const settings = vscode.workspace.getConfiguration('typetools');
  const serverOptions = { command: settings.get('server.path') || 'typetools-lsp', args: ['--stdio'] };
  const clientOptions = {
    documentSelector: [{ language: 'vastor' }, { language: 'perlan' }],
    initializationOptions: {
      typetools: {
        checkOnSave: settings.get('checkOnSave'),
        javac: settings.get('javac'),
        byaccj: settings.get('byaccj'),
        apiSources: settings.get('apiSources'),
        diagnosticsDelay: settings.get('diagnosticsDelay'),
      },
    },
    synchronize: { configurationSection: 'typetools' },
  };
  client = new library.LanguageClient('typetools', 'Vastor and Perlan', serverOptions, clientOptions);
  context.subscriptions.push(client.start());
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
