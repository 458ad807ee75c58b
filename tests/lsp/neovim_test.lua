-- Neovim's own LSP client against the built server: the diagnostic of a file with an error
-- must arrive at the right line and column, and a hover request must get its answer.
local server = os.getenv('TUVRA_LSP')
local fixture = os.getenv('TUVRA_LSP_FIXTURE')

local function fail(message)
  io.stderr:write('FAIL: ' .. message .. '\n')
  vim.cmd('cquit 1')
end

local ok, err = pcall(function()
  vim.cmd('edit ' .. vim.fn.fnameescape(fixture))
  local buffer = vim.api.nvim_get_current_buf()
  local client = vim.lsp.start_client({
    name = 'tuvra',
    cmd = { server },
    root_dir = vim.fn.fnamemodify(fixture, ':h'),
  })
  if not client then return fail('the client did not start') end
  vim.lsp.buf_attach_client(buffer, client)

  if not vim.wait(10000, function() return #vim.diagnostic.get(buffer) > 0 end, 50) then
    return fail('no diagnostic arrived')
  end
  local diagnostic = vim.diagnostic.get(buffer)[1]
  local line = vim.api.nvim_buf_get_lines(buffer, 2, 3, true)[1]
  local column = string.find(line, '@', 1, true) - 1  -- a byte offset, as Neovim keeps it
  if diagnostic.lnum ~= 2 or diagnostic.col ~= column then
    return fail(string.format('diagnostic at %d:%d, expected 2:%d', diagnostic.lnum, diagnostic.col, column))
  end
  if diagnostic.severity ~= vim.diagnostic.severity.ERROR or diagnostic.source ~= 'Тувра' then
    return fail('diagnostic severity or source: ' .. vim.inspect(diagnostic))
  end
  if diagnostic.message ~= "неожиданный символ: '@'" then
    return fail('diagnostic message: ' .. diagnostic.message)
  end

  local params = { textDocument = vim.lsp.util.make_text_document_params(buffer), position = { line = 1, character = 2 } }
  local replies = vim.lsp.buf_request_sync(buffer, 'textDocument/hover', params, 10000)
  local reply = replies and replies[client]
  if not reply or reply.err then return fail('hover got no answer: ' .. vim.inspect(replies)) end
  -- Hover on the keyword shows its reference text.
  local value = reply.result and reply.result.contents and reply.result.contents.value
  if type(value) ~= 'string' or not string.find(value, 'функция', 1, true) then
    return fail('hover text: ' .. vim.inspect(reply.result))
  end

  vim.lsp.stop_client(client)
  vim.wait(5000, function() return vim.lsp.get_client_by_id(client) == nil end, 50)
  vim.cmd('qall!')
end)
if not ok then fail(tostring(err)) end
