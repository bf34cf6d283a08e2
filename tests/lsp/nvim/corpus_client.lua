-- A real client: headless Neovim (0.7) starts `olvaren lsp` with
-- vim.lsp.start_client, opens a cp1251 program of the corpus and asks for a
-- definition, references, the document's symbols and a class's supertypes,
-- then edits the buffer (Neovim sends the changed ranges) and asks again.
-- Run by run.sh (nvim --headless -u NONE -c "luafile ...");
-- ends with :cquit 1 on the first failed check, :qall! when all pass.
local olvaren = os.getenv('OLVAREN')
local corpus = os.getenv('CORPUS')
local app = corpus .. '/RequestPic.apt'

local function fail(what)
  io.stderr:write('FAILED: ' .. what .. '\n')
  vim.cmd('cquit 1')
end

local function check(ok, what)
  if not ok then fail(what) end
end

vim.cmd('edit ++enc=cp1251 ' .. vim.fn.fnameescape(app))
local buf = vim.api.nvim_get_current_buf()
local id = vim.lsp.start_client({
  cmd = { olvaren, 'lsp' },
  root_dir = corpus,
  init_options = { encoding = 'cp1251' },
})
check(id ~= nil, 'the server started')
vim.lsp.buf_attach_client(buf, id)
check(vim.wait(20000, function()
  local client = vim.lsp.get_client_by_id(id)
  return client ~= nil and client.initialized
end), 'initialize answered')

local uri = vim.uri_from_bufnr(buf)
local function ask(method, params)
  local replies = vim.lsp.buf_request_sync(buf, method, params, 20000)
  check(replies ~= nil and replies[id] ~= nil, method .. ' answered')
  check(replies[id].err == nil, method .. ': ' .. vim.inspect(replies[id].err))
  return replies[id].result
end
local function at(line, character)
  return { textDocument = { uri = uri }, position = { line = line, character = character } }
end

-- F2 on "ccColumn" in "Call ccColumn.SetItem( ... )" (line 14623) leads to
-- the custom control on line 5531.
local def = ask('textDocument/definition', at(14622, 22))
check(def ~= nil and def.range ~= nil, 'a definition')
check(def.range.start.line == 5530, 'definition on line 5531, got ' .. vim.inspect(def))
check(def.uri == uri, 'definition in RequestPic.apt')

local params = at(14622, 22)
params.context = { includeDeclaration = true }
local refs = ask('textDocument/references', params)
check(refs ~= nil and #refs >= 2, 'references, got ' .. vim.inspect(refs))
local declared = false
for _, r in ipairs(refs) do
  if r.range.start.line == 5530 then declared = true end
end
check(declared, 'the declaration among the references')

local symbols = ask('textDocument/documentSymbol', { textDocument = { uri = uri } })
check(symbols ~= nil and #symbols == 1 and symbols[1].children ~= nil, 'the application as the symbols\' root')

-- dlgLogo (line 2534) derives from gwcAutoSave of the included anri_lib.apl.
local items = ask('textDocument/prepareTypeHierarchy', at(2533, 31))
check(items ~= nil and #items == 1 and items[1].name == 'dlgLogo', 'dlgLogo prepared, got ' .. vim.inspect(items))
local supers = ask('typeHierarchy/supertypes', { item = items[1] })
check(supers ~= nil and #supers == 1 and supers[1].name == 'gwcAutoSave', 'supertype gwcAutoSave, got ' .. vim.inspect(supers))
check(supers[1].uri:sub(-12) == 'anri_lib.apl', 'gwcAutoSave in anri_lib.apl')

-- Edits: the custom control renamed in Cyrillic (one UTF-16 unit, two
-- bytes of UTF-8, one of cp1251 per letter), first its declaration, then
-- the name in the call.
local function rename(line, name)
  local text = vim.api.nvim_buf_get_lines(buf, line, line + 1, true)[1]
  local from = text:find('ccColumn', 1, true)
  check(from ~= nil, 'ccColumn on line ' .. (line + 1))
  vim.api.nvim_buf_set_text(buf, line, from - 1, line, from - 1 + #'ccColumn', { name })
end
vim.bo[buf].readonly = false  -- the corpus's file; the buffer is never written
rename(5530, 'ccСтолбец')
def = ask('textDocument/definition', at(14622, 22))
check(def == nil or def.range == nil or def.range.start.line ~= 5530, 'no definition on line 5531 after the rename')
rename(14622, 'ccСтолбец')
def = ask('textDocument/definition', at(14622, 22))
check(def ~= nil and def.range ~= nil and def.range.start.line == 5530, 'renamed definition on line 5531, got ' .. vim.inspect(def))
check(def.range['end'].character - def.range.start.character == 9, 'the name is 9 UTF-16 units, got ' .. vim.inspect(def))

vim.lsp.stop_client(id)
vim.wait(5000, function() return vim.lsp.get_client_by_id(id) == nil end)
print('nvim client: definition, references, symbols, supertypes and edits as expected')
vim.cmd('qall!')
