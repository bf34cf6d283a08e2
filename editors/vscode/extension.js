// The Olvaren extension: starts `olvaren lsp` as the language server of
// Team Developer outlines and adds MassFinder's search as a command whose
// hits fill a tree in the explorer.
'use strict';
const vscode = require('vscode');
const { LanguageClient } = require('vscode-languageclient/node');

let client;

// The hits of the last search, as tree items that open their lines.
class FindResults {
  constructor() {
    this.hits = [];
    this.changed = new vscode.EventEmitter();
    this.onDidChangeTreeData = this.changed.event;
  }
  show(hits) {
    this.hits = hits;
    this.changed.fire();
  }
  getTreeItem(hit) {
    const item = new vscode.TreeItem(hit.text, vscode.TreeItemCollapsibleState.None);
    const uri = vscode.Uri.parse(hit.location.uri);
    const start = hit.location.range.start;
    item.description = `${vscode.workspace.asRelativePath(uri)}:${start.line + 1}`;
    item.command = {
      command: 'vscode.open',
      title: 'Open',
      arguments: [uri, { selection: new vscode.Range(start.line, start.character, start.line, start.character) }],
    };
    return item;
  }
  getChildren() {
    return this.hits;
  }
}

// Asks for the pattern and MassFinder's five options, then sends olvaren/find.
async function find(results) {
  const pattern = await vscode.window.showInputBox({ prompt: 'MassFinder: search for' });
  if (!pattern) return;
  const options = [
    { label: 'Match Case', key: 'matchCase' },
    { label: 'Match Whole Word', key: 'wholeWord' },
    { label: 'Ignore Included Items', key: 'ignoreIncludes' },
    { label: 'Ignore Comments', key: 'ignoreComments' },
    { label: 'Only Marked (the line under the caret)', key: 'onlyMarked' },
  ];
  const picked = (await vscode.window.showQuickPick(options, { canPickMany: true, title: 'MassFinder options' })) || [];
  const params = { pattern };
  for (const o of picked) params[o.key] = true;
  const editor = vscode.window.activeTextEditor;
  if (editor) params.textDocument = { uri: editor.document.uri.toString() };
  if (params.onlyMarked && editor) {
    params.marked = [{ uri: editor.document.uri.toString(), line: editor.selection.active.line }];
  }
  delete params.onlyMarked;
  const reply = await client.sendRequest('olvaren/find', params);
  results.show(reply.hits);
  vscode.window.setStatusBarMessage(`${reply.hits.length} Occurrences found for "${pattern}"`, 5000);
}

function activate(context) {
  const config = vscode.workspace.getConfiguration('olvaren');
  const server = { command: config.get('path'), args: ['lsp'] };
  client = new LanguageClient('olvaren', 'Olvaren', server, {
    documentSelector: [{ scheme: 'file', language: 'teamdeveloper' }],
    initializationOptions: {
      encoding: config.get('encoding') || undefined,
      includeDirs: config.get('includeDirs'),
      application: config.get('application'),
    },
    synchronize: { fileEvents: vscode.workspace.createFileSystemWatcher('**/*.{app,apt,apl}') },
  });
  const results = new FindResults();
  context.subscriptions.push(vscode.window.registerTreeDataProvider('olvaren.findResults', results));
  context.subscriptions.push(vscode.commands.registerCommand('olvaren.find', () => find(results)));
  return client.start();
}

function deactivate() {
  return client ? client.stop() : undefined;
}

module.exports = { activate, deactivate };
