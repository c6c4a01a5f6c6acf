-- Neovim's built-in client against the language server, headless:
--   nvim --headless --clean -n -c "luafile nvim_client.lua"
-- with TYPETOOLS_LSP (the server), TYPETOOLS_SAMPLES (the editor samples)
-- in the environment. Each broken sample must get the server's diagnostic at
-- its line; the editor then quits with status 0, else 1.
local server = os.getenv('TYPETOOLS_LSP')
local samples = os.getenv('TYPETOOLS_SAMPLES')
-- Each file's diagnostics, by line: the tool's error, and Vastor's note as information.
local cases = {
  { file = 'broken.spec', filetype = 'vastor', expected = {
    { line = 4, message = 'Definition of int.boolean equalsTo (Type)' },
    { line = 6, message = 'Semantic error( line 6 ):method int f () have alreadey been overriden in class int' },
  } },
  { file = 'broken.yt', filetype = 'perlan', expected = {
    { line = 2, message = 'Syntax error( line 2 ):2st section was expected' },
  } },
}

local failures = {}
local client = vim.lsp.start_client({
  cmd = { server },
  name = 'typetools',
  root_dir = samples,
  init_options = { typetools = { checkOnSave = false } },
})
if not client then
  table.insert(failures, 'the client did not start')
end
for _, case in ipairs(cases) do
  if not client then break end
  vim.cmd('edit ' .. vim.fn.fnameescape(samples .. '/' .. case.file))
  local buffer = vim.api.nvim_get_current_buf()
  vim.bo[buffer].filetype = case.filetype
  vim.lsp.buf_attach_client(buffer, client)
  vim.wait(30000, function() return #vim.diagnostic.get(buffer) > 0 end, 20)
  local found = vim.diagnostic.get(buffer)
  table.sort(found, function(a, b) return a.lnum < b.lnum end)
  local got, wanted = {}, {}
  for _, diagnostic in ipairs(found) do
    table.insert(got, string.format('%d: %s', diagnostic.lnum + 1, diagnostic.message))
  end
  for _, diagnostic in ipairs(case.expected) do
    table.insert(wanted, string.format('%d: %s', diagnostic.line, diagnostic.message))
  end
  if table.concat(got, '\n') ~= table.concat(wanted, '\n') then
    table.insert(failures, case.file .. ' got\n' .. table.concat(got, '\n'))
  end
end
if client then
  vim.lsp.stop_client(client)
end
if #failures > 0 then
  io.stderr:write(table.concat(failures, '\n') .. '\n')
  vim.cmd('cquit 1')
end
io.stdout:write('nvim: the diagnostics came at their lines\n')
vim.cmd('qall!')
