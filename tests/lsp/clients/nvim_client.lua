-- Neovim's built-in client against the language server, headless:
--   nvim --headless --clean -n -c "luafile nvim_client.lua"
-- with TYPETOOLS_LSP (the server), TYPETOOLS_SAMPLES (the editor samples)
-- in the environment. Each broken sample must get the server's diagnostic at
-- its line; the editor then quits with status 0, else 1.
local server = os.getenv('TYPETOOLS_LSP')
local samples = os.getenv('TYPETOOLS_SAMPLES')
local cases = {
  { file = 'broken.spec', filetype = 'vastor', line = 5,
    message = 'Semantic error( line 5 ):method int f () have alreadey been overriden in class int' },
  { file = 'broken.yt', filetype = 'perlan', line = 2, message = 'Syntax error( line 2 ):2st section was expected' },
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
  if #found ~= 1 then
    table.insert(failures, case.file .. ': ' .. #found .. ' diagnostics')
  elseif found[1].lnum + 1 ~= case.line or found[1].message ~= case.message then
    table.insert(failures, string.format('%s: line %d, %q', case.file, found[1].lnum + 1, found[1].message))
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
