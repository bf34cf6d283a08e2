// The server as the extension's client library speaks to it: vscode-jsonrpc
// over the standard streams of `olvaren lsp` (OLVAREN names the program),
// on the bundled sample: initialize, a definition, MassFinder's search,
// shutdown and exit. Ends with exit code 1 on the first failed check.
'use strict';
const assert = require('assert');
const path = require('path');
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const rpc = require('vscode-jsonrpc/node');

async function main() {
  const olvaren = process.env.OLVAREN || path.resolve(__dirname, '../../../build/bin/olvaren');
  const samples = path.resolve(__dirname, '../../../samples');
  const app = path.join(samples, 'Olvaren_Jumps.app');
  const uri = 'file://' + app;
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'olvaren-vscode-'));
  const server = spawn(olvaren, ['lsp'], { env: { ...process.env, XDG_CONFIG_HOME: home } });
  const connection = rpc.createMessageConnection(
    new rpc.StreamMessageReader(server.stdout), new rpc.StreamMessageWriter(server.stdin));
  connection.listen();

  const init = await connection.sendRequest('initialize',
    { processId: process.pid, rootUri: 'file://' + samples, capabilities: {} });
  assert.strictEqual(init.capabilities.definitionProvider, true);
  connection.sendNotification('initialized', {});
  connection.sendNotification('textDocument/didOpen',
    { textDocument: { uri, languageId: 'teamdeveloper', version: 1, text: fs.readFileSync(app, 'latin1') } });

  // "Set nCount = nCount + pnStep": F2 leads to Tally's local nCount.
  const def = await connection.sendRequest('textDocument/definition',
    { textDocument: { uri }, position: { line: 29, character: 16 } });
  assert.deepStrictEqual(def.range, { start: { line: 27, character: 19 }, end: { line: 27, character: 25 } });

  const found = await connection.sendRequest('olvaren/find', { pattern: 'nCount', wholeWord: true });
  assert.ok(found.hits.length >= 4, JSON.stringify(found));
  assert.strictEqual(found.hits[0].text, '[Global Declarations] [Variables] Number: nCount');

  await connection.sendRequest('shutdown');
  connection.sendNotification('exit');
  const code = await new Promise((resolve) => server.on('exit', resolve));
  assert.strictEqual(code, 0);
  fs.rmSync(home, { recursive: true, force: true });
  console.log('vscode-jsonrpc client: initialize, definition, find and exit as expected');
  process.exit(0);
}

main().catch((e) => {
  console.error('FAILED:', e.message || e);
  process.exit(1);
});
